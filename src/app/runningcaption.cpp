#include "app/runningcaption.h"

#include <QPainter>

RunningCaption::RunningCaption(const QString &text, QWidget *parent) : QFrame(parent), text_(text)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    timer_.setInterval(33);
    connect(&timer_, &QTimer::timeout, this, [this] { update(contentsRect()); });
}

int RunningCaption::textOffset(qint64 msecs) const
{
    const int travel = contentsRect().width() + fontMetrics().horizontalAdvance(text_);
    if (travel <= 0)
        return 0;
    const qint64 moved = msecs * pixelsPerSecond / 1000;
    return contentsRect().width() - static_cast<int>(moved % travel);
}

void RunningCaption::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    if (!clock_.isValid())
        clock_.start();
    timer_.start();
}

void RunningCaption::hideEvent(QHideEvent *event)
{
    timer_.stop();
    QFrame::hideEvent(event);
}

void RunningCaption::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    painter.setPen(palette().color(QPalette::WindowText));
    const int offset = textOffset(clock_.isValid() ? clock_.elapsed() : 0);
    painter.drawText(inner.translated(offset, 0), Qt::AlignLeft | Qt::AlignVCenter, text_);
}
