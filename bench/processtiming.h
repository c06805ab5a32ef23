#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <algorithm>
#include <optional>

// Runs `program` with `arguments` `runs` times and gives the median wall
// time in milliseconds. Its error stream is dropped: the card's notices there
// are expected. A run that fails ends the benchmark.
inline double medianRun(const QString &program, const QStringList &arguments, int runs)
{
    QList<qint64> times;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            qFatal("%s %s failed", qPrintable(program), qPrintable(arguments.join(u' ')));
        times.append(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return double(times.at(times.size() / 2)) / 1e6;
}

// The yardstick of the command line benchmarks: a bare Qt program that
// starts, writes one small file and ends. A benchmark program runs as that
// program when called with "--bare-write FILE"; the result is its exit code.
inline std::optional<int> runAsBareWriter(int argc, char *argv[])
{
    if (argc != 3 || qstrcmp(argv[1], "--bare-write") != 0)
        return std::nullopt;
    QApplication app(argc, argv);
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write("5013\\01\r\n\r\n") < 0)
        return 1;
    return 0;
}

// Median times of `ovrida convert ARGUMENTS` and of the bare writer (this
// benchmark program), printed with their ratio. `folder` takes the bare
// program's file.
inline void compareConvertWithBareQt(const QString &ovrida, const QStringList &arguments,
                                     const QString &folder, const char *what)
{
    const double convert =
        medianRun(ovrida, QStringList{QStringLiteral("convert")} + arguments, 15);
    const double bare =
        medianRun(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--bare-write"), folder + QStringLiteral("/bare.txt")}, 15);
    qInfo("ovrida convert of %s: %.1f ms; bare Qt program writing one file: %.1f ms; ratio %.2f",
          what, convert, bare, convert / bare);
}

// The yardstick of the printing benchmarks: a bare Qt program that writes one
// A4 page of text with QPdfWriter. A benchmark program runs as that program
// when called with "--bare-pdf FILE"; the result is its exit code.
inline std::optional<int> runAsBarePdfWriter(int argc, char *argv[])
{
    if (argc != 3 || qstrcmp(argv[1], "--bare-pdf") != 0)
        return std::nullopt;
    QApplication app(argc, argv);
    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("Arial"), 12));
    painter.drawText(QRect(0, 0, writer.width(), writer.height()), Qt::TextWordWrap,
                     QStringLiteral("Картка НДР і ДКР"));
    return painter.end() ? 0 : 1;
}

// The median wall time (ms) and the largest resident size (KiB) of `runs`
// runs of a program; the size is measured by /usr/bin/time, which the
// program runs under.
struct ProcessCost
{
    double medianMs = 0;
    qint64 peakKiB = 0;
};

inline ProcessCost measureRuns(const QString &program, const QStringList &arguments, int runs)
{
    QList<qint64> times;
    ProcessCost cost;
    for (int run = 0; run < runs; ++run) {
        QTemporaryFile report;
        if (!report.open())
            qFatal("no room for the size report");
        QProcess process;
        process.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(QStringLiteral("/usr/bin/time"),
                      QStringList{QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("-o"),
                                  report.fileName(), program} +
                          arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            qFatal("%s %s failed", qPrintable(program), qPrintable(arguments.join(u' ')));
        times.append(timer.nsecsElapsed());
        cost.peakKiB =
            std::max(cost.peakKiB, QString::fromUtf8(report.readAll()).trimmed().toLongLong());
    }
    std::sort(times.begin(), times.end());
    cost.medianMs = double(times.at(times.size() / 2)) / 1e6;
    return cost;
}

// `ovrida pdf CARD` against the bare PDF writer (this benchmark program), one
// run of each in turn so that both meet the same load: the median times, the
// largest resident sizes and their ratios, printed. `folder` takes the files.
inline void comparePdfWithBareQt(const QString &card, const QString &folder, const char *what)
{
    const QString ovrida = QCoreApplication::applicationDirPath() + QStringLiteral("/../ovrida");
    QList<double> printTimes, bareTimes;
    ProcessCost print, bare;
    for (int run = 0; run < 11; ++run) {
        const ProcessCost printRun = measureRuns(
            ovrida, {QStringLiteral("pdf"), card, folder + QStringLiteral("/card.pdf")}, 1);
        const ProcessCost bareRun =
            measureRuns(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--bare-pdf"), folder + QStringLiteral("/bare.pdf")}, 1);
        printTimes.append(printRun.medianMs);
        bareTimes.append(bareRun.medianMs);
        print.peakKiB = std::max(print.peakKiB, printRun.peakKiB);
        bare.peakKiB = std::max(bare.peakKiB, bareRun.peakKiB);
    }
    std::sort(printTimes.begin(), printTimes.end());
    std::sort(bareTimes.begin(), bareTimes.end());
    print.medianMs = printTimes.at(printTimes.size() / 2);
    bare.medianMs = bareTimes.at(bareTimes.size() / 2);
    qInfo("ovrida pdf of %s: %.1f ms, %lld KiB; bare Qt program writing one A4 page: %.1f ms, "
          "%lld KiB; ratios: time %.2f, memory %.2f",
          what, print.medianMs, print.peakKiB, bare.medianMs, bare.peakKiB,
          print.medianMs / bare.medianMs, double(print.peakKiB) / double(bare.peakKiB));
}
