#include "shell/shadowlabel.h"

#include "controls/fonts.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
constexpr int textFlags = Qt::AlignLeft | Qt::AlignTop;

// The alpha of a picture with a clear margin of `radius` around it, softened
// by box blurs: each value becomes the sum of those within `radius` of it
// along its row (its column), those past the edge counting as clear, divided
// by the whole window. Two passes each way come close to a gaussian softening.
class AlphaBlur
{
public:
    static constexpr int radius = ShadowLabel::shadowSoftness;

    explicit AlphaBlur(const QImage &image)
        : width_(image.width() + 2 * radius), height_(image.height() + 2 * radius),
          values_(cells(), 0), spare_(cells(), 0)
    {
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            std::transform(line, line + image.width(), row(values_, y + radius) + radius,
                           [](QRgb pixel) { return static_cast<Value>(qAlpha(pixel)); });
        }
    }

    void alongRows() { blur(1); }
    void alongColumns() { blur(width_); }

    // Black of the softened alpha over all of `image`.
    void paint(QImage &image) const
    {
        for (int y = 0; y < image.height(); ++y) {
            const Value *alpha = row(values_, y + radius) + radius;
            std::transform(alpha, alpha + image.width(),
                           reinterpret_cast<QRgb *>(image.scanLine(y)),
                           [](Value a) { return qRgba(0, 0, 0, a); });
        }
    }

private:
    // Sums of a whole window stay well within 16 bits.
    using Value = std::uint16_t;

    std::size_t cells() const
    {
        return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    }
    Value *row(std::vector<Value> &values, int y) const
    {
        return values.data() + static_cast<std::ptrdiff_t>(y) * width_;
    }
    const Value *row(const std::vector<Value> &values, int y) const
    {
        return values.data() + static_cast<std::ptrdiff_t>(y) * width_;
    }

    // `step` is the distance between neighbours: 1 along a row, the row
    // length along a column. The margin stays clear.
    void blur(std::ptrdiff_t step)
    {
        constexpr Value window = 2 * radius + 1;
        for (int y = radius; y < height_ - radius; ++y) {
            const Value *from = row(values_, y) + radius;
            Value *to = row(spare_, y) + radius;
            for (int x = 0; x < width_ - 2 * radius; ++x) {
                Value sum = 0;
                for (int k = -radius; k <= radius; ++k)
                    sum += from[x + k * step];
                to[x] = sum / window;
            }
        }
        values_.swap(spare_);
    }

    int width_;
    int height_;
    std::vector<Value> values_;
    std::vector<Value> spare_;
};
} // namespace

ShadowLabel::ShadowLabel(const QString &text, const QFont &font, const QColor &color,
                         QWidget *parent)
    : QWidget(parent), text_(text), color_(color)
{
    setFont(fonts::ownFaceOnly(font, text));
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
    AlphaBlur blur(image);
    for (int pass = 0; pass < 2; ++pass) {
        blur.alongRows();
        blur.alongColumns();
    }
    blur.paint(image);
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
