// The smallest windowed Qt program of the main window's size: start-up to the
// first paint of one plain window, then quit. The yardstick for the program's
// own start-up.
#include "firstpaint.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>

#include <cstdio>

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
} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    BareWindow window;
    window.setFixedSize(582, 425);
    if (!showAndWaitForFirstPaint(&window))
        return 1;
    std::printf("bare window: first paint after %.2f ms\n", sinceStart.nsecsElapsed() / 1e6);
    return 0;
}
