#include "shell/analogclock.h"

#include <QPainter>
#include <QTime>

namespace {
// Angle in degrees, clockwise from twelve o'clock.
void drawHand(QPainter &painter, qreal angle, qreal length, qreal width, const QColor &color)
{
    painter.save();
    painter.rotate(angle);
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, length * 0.15), QPointF(0, -length));
    painter.restore();
}
} // namespace

AnalogClock::AnalogClock(QWidget *parent) : QWidget(parent)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &AnalogClock::tick);
}

void AnalogClock::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    tick();
}

void AnalogClock::hideEvent(QHideEvent *event)
{
    timer_.stop();
    QWidget::hideEvent(event);
}

void AnalogClock::tick()
{
    update();
    // Wake up again just after the next second begins.
    timer_.start(1000 - QTime::currentTime().msec() + 5);
}

void AnalogClock::paintEvent(QPaintEvent *)
{
    const QTime now = QTime::currentTime();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal radius = qMin(width(), height()) / 2.0 - 2;
    painter.translate(width() / 2.0, height() / 2.0);

    // Face: grey disc with a bevelled rim.
    painter.setPen(QPen(QColor(96, 96, 96), 2));
    painter.setBrush(QColor(192, 192, 192));
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.setPen(QPen(QColor(232, 232, 232), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(-radius + 2, -radius + 2, 2 * radius - 4, 2 * radius - 4), 45 * 16,
                    180 * 16);

    // Marks: a bar at each hour, a dot at each minute.
    for (int minute = 0; minute < 60; ++minute) {
        painter.save();
        painter.rotate(minute * 6.0);
        if (minute % 5 == 0) {
            painter.setPen(QPen(Qt::black, 2));
            painter.drawLine(QPointF(0, -radius + 4), QPointF(0, -radius + 10));
        } else {
            painter.setPen(QPen(QColor(64, 64, 64), 1));
            painter.drawPoint(QPointF(0, -radius + 6));
        }
        painter.restore();
    }

    const qreal seconds = now.second();
    const qreal minutes = now.minute() + seconds / 60.0;
    const qreal hours = (now.hour() % 12) + minutes / 60.0;
    drawHand(painter, hours * 30.0, radius * 0.5, 4, Qt::black);
    drawHand(painter, minutes * 6.0, radius * 0.75, 3, Qt::black);
    drawHand(painter, seconds * 6.0, radius * 0.85, 1, QColor(200, 0, 0));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 0, 0));
    painter.drawEllipse(QPointF(0, 0), 2.5, 2.5);
}
