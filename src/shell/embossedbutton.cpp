#include "shell/embossedbutton.h"

#include "controls/fonts.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int textFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
// Room for the light and dark edges around the letters.
constexpr int reliefMargin = 2;
} // namespace

EmbossedButton::EmbossedButton(const QString &text, const QFont &font, const QColor &color,
                               QWidget *parent)
    : QWidget(parent), text_(text), color_(color)
{
    setFont(fonts::ownFaceOnly(font, text));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
}

QSize EmbossedButton::sizeHint() const
{
    const QSize textSize = QFontMetrics(font()).size(Qt::TextShowMnemonic, text_);
    return textSize + QSize(2 * reliefMargin, 2 * reliefMargin);
}

void EmbossedButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // A pressed button sinks by one pixel.
    const int sink = pressed_ ? 1 : 0;
    const QRect textRect = rect()
                               .adjusted(reliefMargin, reliefMargin, -reliefMargin, -reliefMargin)
                               .translated(sink, sink);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(textRect.translated(-1, -1), textFlags, text_);
    painter.setPen(QColor(0, 0, 64));
    painter.drawText(textRect.translated(1, 1), textFlags, text_);
    painter.setPen(color_);
    painter.drawText(textRect, textFlags, text_);
}

void EmbossedButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    pressed_ = true;
    update();
}

void EmbossedButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return QWidget::mouseReleaseEvent(event);
    pressed_ = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
