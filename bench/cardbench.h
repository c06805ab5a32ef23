#pragma once

// What the card editor benchmarks share: the bare Qt program that the command
// line conversion is measured against, and that measurement.
#include "processtiming.h"

#include "cardfile/cardwriter.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// Runs the benchmark object `Bench` on the offscreen platform; started with
// "--bare-write FILE", the program is instead the yardstick: start Qt, write
// one small file, end.
template <class Bench> int runCardBench(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && qstrcmp(argv[1], "--bare-write") == 0) {
        QApplication app(argc, argv);
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::WriteOnly) || file.write("5013\\01\r\n\r\n") < 0)
            return 1;
        return 0;
    }
    QApplication app(argc, argv);
    Bench bench;
    return QTest::qExec(&bench, argc, argv);
}

// The program next to the benchmarks, or empty when it is not built.
inline QString builtProgram()
{
    const QString ovrida = QCoreApplication::applicationDirPath() + QStringLiteral("/../ovrida");
    return QFile::exists(ovrida) ? ovrida : QString();
}

// Times `ovrida convert ARGUMENTS CARD OUT` against the bare program writing
// one file (median of 15 runs each), reports both and their ratio, and gives
// back the bytes written to OUT.
inline QByteArray compareConvertWithBareQt(const QString &ovrida, const QStringList &arguments,
                                           const QString &card, const QString &folder)
{
    const QString out = folder + QStringLiteral("/converted.txt");
    const double convert = medianRun(
        ovrida, QStringList{QStringLiteral("convert")} + arguments + QStringList{card, out}, 15);
    const double bare =
        medianRun(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--bare-write"), folder + QStringLiteral("/bare.txt")}, 15);
    qInfo("ovrida convert of the full card: %.1f ms; bare Qt program writing one file: "
          "%.1f ms; ratio %.2f",
          convert, bare, convert / bare);
    QFile converted(out);
    return converted.open(QIODevice::ReadOnly) ? converted.readAll() : QByteArray();
}

// Stores `bytes` as the card file `name` in `folder`; its path.
inline QString storeCard(const QString &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = folder + u'/' + name;
    QFile card(path);
    if (!card.open(QIODevice::WriteOnly) || card.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Creating and showing a fresh editor window of type `Window`.
template <class Window> void benchOpeningWindow()
{
    QBENCHMARK
    {
        Window window;
        window.show();
        QCoreApplication::processEvents();
    }
}

// One editor window reading `card` and writing it to `out`; what it writes
// must be `expected`.
template <class Window>
void benchOpeningAndSaving(const QString &card, const QString &out, const QByteArray &expected)
{
    Window window;
    QBENCHMARK
    {
        QVERIFY(window.readCard(card));
        QVERIFY(cardfile::writeCardFile(out, window.writeCard()).ok);
    }
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), expected);
}
