#include "app/shadowlabel.h"

#include <QPainter>

#include <vector>

namespace {
constexpr int textFlags = Qt::AlignLeft | Qt::AlignTop;

// One pass of a box blur over the alpha of a black picture, along rows
// (`step` 1) or columns (`step` the row length).
void blurAlpha(QRgb *pixels, int lines, int length, int lineStep, int step, int radius)
{
    std::vector<int> alpha(static_cast<std::size_t>(length));
    const int window = 2 * radius + 1;
    for (int line = 0; line < lines; ++line) {
        QRgb *first = pixels + static_cast<std::ptrdiff_t>(line) * lineStep;
        for (int i = 0; i < length; ++i)
            alpha[static_cast<std::size_t>(i)] =
                qAlpha(first[static_cast<std::ptrdiff_t>(i) * step]);
        int sum = 0;
        for (int i = 0; i < radius && i < length; ++i)
            sum += alpha[static_cast<std::size_t>(i)];
        for (int i = 0; i < length; ++i) {
            if (i + radius < length)
                sum += alpha[static_cast<std::size_t>(i + radius)];
            if (i - radius - 1 >= 0)
                sum -= alpha[static_cast<std::size_t>(i - radius - 1)];
            first[static_cast<std::ptrdiff_t>(i) * step] = qRgba(0, 0, 0, sum / window);
        }
    }
}
} // namespace

ShadowLabel::ShadowLabel(const QString &text, const QFont &font, const QColor &color,
                         QWidget *parent)
    : QWidget(parent), text_(text), color_(color)
{
    setFont(font);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(sizeHint());
}

QSize ShadowLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int extra = shadowDepth + shadowSoftness;
    return QSize(metrics.horizontalAdvance(text_), metrics.height()) + QSize(extra, extra);
}

QRect ShadowLabel::textRect() const
{
    const int extra = shadowDepth + shadowSoftness;
    return rect().adjusted(0, 0, -extra, -extra);
}

QImage ShadowLabel::drawShadow() const
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(font());
        painter.setPen(Qt::black);
        painter.drawText(textRect().translated(shadowDepth, shadowDepth), textFlags, text_);
    }
    auto *pixels = reinterpret_cast<QRgb *>(image.bits());
    const int rowLength = static_cast<int>(image.bytesPerLine() / sizeof(QRgb));
    // Two box passes each way come close to a gaussian softening.
    for (int pass = 0; pass < 2; ++pass) {
        blurAlpha(pixels, image.height(), image.width(), rowLength, 1, shadowSoftness);
        blurAlpha(pixels, image.width(), image.height(), 1, rowLength, shadowSoftness);
    }
    return image;
}

void ShadowLabel::paintEvent(QPaintEvent *)
{
    if (shadow_.size() != size())
        shadow_ = drawShadow();
    QPainter painter(this);
    painter.drawImage(0, 0, shadow_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(color_);
    painter.drawText(textRect(), textFlags, text_);
}
