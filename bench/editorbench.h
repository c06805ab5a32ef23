#pragma once

// The measurements every card editor benchmark makes, for its window class.
#include "cardfile/cardwriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The program, built next to the benchmarks, or empty.
inline QString programBesideBenchmarks()
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../ovrida");
    return QFile::exists(program) ? program : QString();
}

// Creating and showing an editor window.
template <class Window> void benchOpenWindow()
{
    QBENCHMARK
    {
        Window window;
        window.show();
        QCoreApplication::processEvents();
    }
}

// Reading the card file `card` into one editor window and writing it to `out`.
template <class Window> void benchReadAndWrite(const QString &card, const QString &out)
{
    Window window;
    QBENCHMARK
    {
        QVERIFY(window.readCard(card));
        QVERIFY(cardfile::writeCardFile(out, window.writeCard()).ok);
    }
}
