// `ovrida check` over two hundred full registration cards in one run: its
// wall time and the program's peak memory.
#include "../tests/rk/support/rkfiles.cpp"
#include "../tests/support/cardfiles.cpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "editorbench.h"

#include <sys/resource.h>

using namespace Qt::StringLiterals;

class RkCheckBench : public QObject
{
    Q_OBJECT

private slots:
    void checkTwoHundredFullCards()
    {
        const QString ovrida = programBesideBenchmarks();
        if (ovrida.isEmpty())
            QSKIP("the program is not built next to the benchmarks");
        QTemporaryDir folder;
        QStringList arguments{u"check"_s};
        for (int card = 1; card <= 200; ++card) {
            const QString path = folder.filePath(u"card%1.txt"_s.arg(card));
            QVERIFY(writeBytes(path, cardBytes(fullCardLines())));
            arguments.append(path);
        }
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(ovrida, arguments);
        QVERIFY(process.waitForFinished(600000));
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        qInfo("ovrida check of 200 full cards: %.2f s (%.1f ms a card); peak memory %.1f MiB",
              seconds, seconds * 1000 / 200, double(usage.ru_maxrss) / 1024);
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RkCheckBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "rkcheck_bench.moc"
