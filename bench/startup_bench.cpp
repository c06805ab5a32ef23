// Start-up of the program to its main window shown and painted once, beside
// a bare window of the same size.
//
//   bench_startup            in-process timings of both (QBENCHMARK)
//   bench_startup --once     one start-up of the program as main() does it
//                            (translations, main window; the report
//                            sheets are made at the first print),
//                            to the first paint, then quit; for timing the
//                            whole process (/usr/bin/time -v) against
//                            bench_bare_window
#include "firstpaint.h"

#include "shell/mainform.h"
#include "shell/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTest>

#include <cstdio>
#include <cstring>

namespace {
class BareWindow : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(192, 192, 192));
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("ОВРІДА"));
    }
};

int startOnce(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    installQtTranslations(app);
    TMainForm mainForm;
    if (!showAndWaitForFirstPaint(&mainForm))
        return 1;
    std::printf("main window: first paint after %.2f ms\n", sinceStart.nsecsElapsed() / 1e6);
    mainForm.close();
    return 0;
}
} // namespace

class StartupBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QElapsedTimer timer;
        timer.start();
        TMainForm first;
        QVERIFY(showAndWaitForFirstPaint(&first));
        qInfo("first main window of the process: %.2f ms", timer.nsecsElapsed() / 1e6);
        timer.restart();
        BareWindow bare;
        bare.setFixedSize(582, 425);
        QVERIFY(showAndWaitForFirstPaint(&bare));
        qInfo("first bare window of the process: %.2f ms", timer.nsecsElapsed() / 1e6);
    }

    void mainWindowToFirstPaint()
    {
        QBENCHMARK
        {
            TMainForm form;
            QVERIFY(showAndWaitForFirstPaint(&form));
        }
    }

    void bareWindowToFirstPaint()
    {
        QBENCHMARK
        {
            BareWindow window;
            window.setFixedSize(582, 425);
            QVERIFY(showAndWaitForFirstPaint(&window));
        }
    }
};

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--once") == 0)
        return startOnce(argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    StartupBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "startup_bench.moc"
