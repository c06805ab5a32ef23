#include "app/shadowlabel.h"

#include <QGraphicsDropShadowEffect>
#include <QPainter>

ShadowLabel::ShadowLabel(const QString &text, const QFont &font, const QColor &color,
                         QWidget *parent)
    : QWidget(parent), text_(text), color_(color)
{
    setFont(font);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A slightly softened shadow reads better than a hard copy of the letters.
    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(Qt::black);
    shadow->setOffset(shadowDepth, shadowDepth);
    shadow->setBlurRadius(4);
    setGraphicsEffect(shadow);
    resize(sizeHint());
}

QSize ShadowLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text_), metrics.height()) +
           QSize(shadowDepth, shadowDepth);
}

void ShadowLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect textRect = rect().adjusted(0, 0, -shadowDepth, -shadowDepth);
    painter.setPen(color_);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop, text_);
}
