#include "app/shadowlabel.h"

#include "app/fonts.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace {
constexpr int textFlags = Qt::AlignLeft | Qt::AlignTop;

// Box blurs of the alpha of a picture, `width` values a row: each value
// becomes the sum of those within `radius` of it on its row (its column), the
// ones past the edge counting as clear, divided by the full window. Two passes
// each way come close to a gaussian softening.
class AlphaBlur
{
public:
    AlphaBlur(std::vector<int> alpha, int width, int radius)
        : alpha_(std::move(alpha)), width_(width), height_(static_cast<int>(alpha_.size()) / width),
          radius_(radius), window_(2 * radius + 1)
    {}

    void alongRows()
    {
        std::vector<int> line(static_cast<std::size_t>(width_));
        for (int y = 0; y < height_; ++y) {
            int *row = at(y);
            std::copy(row, row + width_, line.begin());
            int sum = 0;
            for (int x = 0; x < radius_ && x < width_; ++x)
                sum += line[static_cast<std::size_t>(x)];
            for (int x = 0; x < width_; ++x) {
                if (x + radius_ < width_)
                    sum += line[static_cast<std::size_t>(x + radius_)];
                if (x - radius_ - 1 >= 0)
                    sum -= line[static_cast<std::size_t>(x - radius_ - 1)];
                row[x] = sum / window_;
            }
        }
    }

    // Row by row, with a running sum for every column.
    void alongColumns()
    {
        const std::vector<int> before = alpha_;
        const auto rowBefore = [&](int y) { return before.data() + offset(y); };
        std::vector<int> sums(static_cast<std::size_t>(width_), 0);
        const auto add = [&](const int *row, int sign) {
            for (int x = 0; x < width_; ++x)
                sums[static_cast<std::size_t>(x)] += sign * row[x];
        };
        for (int y = 0; y < radius_ && y < height_; ++y)
            add(rowBefore(y), 1);
        for (int y = 0; y < height_; ++y) {
            if (y + radius_ < height_)
                add(rowBefore(y + radius_), 1);
            if (y - radius_ - 1 >= 0)
                add(rowBefore(y - radius_ - 1), -1);
            int *row = at(y);
            for (int x = 0; x < width_; ++x)
                row[x] = sums[static_cast<std::size_t>(x)] / window_;
        }
    }

    const std::vector<int> &alpha() const { return alpha_; }

private:
    std::ptrdiff_t offset(int y) const { return static_cast<std::ptrdiff_t>(y) * width_; }
    int *at(int y) { return alpha_.data() + offset(y); }

    std::vector<int> alpha_;
    int width_;
    int height_;
    int radius_;
    int window_;
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
    const int width = image.width();
    std::vector<int> alpha(static_cast<std::size_t>(width) *
                           static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        std::transform(line, line + width, alpha.begin() + static_cast<std::ptrdiff_t>(y) * width,
                       [](QRgb pixel) { return qAlpha(pixel); });
    }
    AlphaBlur blur(std::move(alpha), width, shadowSoftness);
    for (int pass = 0; pass < 2; ++pass) {
        blur.alongRows();
        blur.alongColumns();
    }
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const int *blurred = blur.alpha().data() + static_cast<std::ptrdiff_t>(y) * width;
        std::transform(blurred, blurred + width, line, [](int a) { return qRgba(0, 0, 0, a); });
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
