#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>

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
