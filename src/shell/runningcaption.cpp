#include "shell/runningcaption.h"

#include <QPainter>

namespace {
qint64 pixelsMoved(qint64 msecs)
{
    return msecs * RunningCaption::pixelsPerSecond / 1000;
}
} // namespace

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
    return contentsRect().width() - static_cast<int>(pixelsMoved(msecs) % travel);
}

void RunningCaption::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
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
    // The text sets off when the strip is first drawn. Until it has moved by
    // a whole pixel it stands just past the right edge: nothing of it shows,
    // so its face need not even be loaded yet, and the window's first paint
    // comes sooner for it.
    if (!clock_.isValid())
        clock_.start();
    const qint64 msecs = clock_.elapsed();
    if (pixelsMoved(msecs) == 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    painter.setPen(palette().color(QPalette::WindowText));
    const int offset = textOffset(msecs);
    painter.drawText(inner.translated(offset, 0), Qt::AlignLeft | Qt::AlignVCenter, text_);
}
