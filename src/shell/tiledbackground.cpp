#include "shell/tiledbackground.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace {
constexpr int tileSize = 64;

QPixmap drawTile()
{
    QImage tile(tileSize, tileSize, QImage::Format_RGB32);
    tile.fill(QColor(150, 166, 190));

    // Fine grain from a fixed seed, so that the picture is the same each run
    // and its left and right (top and bottom) edges meet without a seam. A
    // grain is one pixel; a later one on the same place covers an earlier one.
    QRandomGenerator grain(1251);
    for (int i = 0; i < 900; ++i) {
        const int x = grain.bounded(tileSize);
        const int y = grain.bounded(tileSize);
        const int shade = grain.bounded(-18, 19);
        tile.setPixel(x, y, qRgb(150 + shade, 166 + shade, 190 + shade));
    }

    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    // A raised diamond lattice: light edges up and left, dark edges down and right.
    const auto diamond = [](qreal offset) {
        QPainterPath path;
        const qreal half = tileSize / 2.0;
        path.moveTo(half + offset, offset);
        path.lineTo(tileSize + offset, half + offset);
        path.lineTo(half + offset, tileSize + offset);
        path.lineTo(offset, half + offset);
        path.closeSubpath();
        return path;
    };
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(190, 202, 220, 170), 1.5));
    painter.drawPath(diamond(-0.75));
    painter.setPen(QPen(QColor(104, 118, 142, 170), 1.5));
    painter.drawPath(diamond(0.75));
    painter.end();
    return QPixmap::fromImage(std::move(tile));
}
} // namespace

TiledBackground::TiledBackground(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const QPixmap &TiledBackground::tile()
{
    static const QPixmap drawn = drawTile();
    return drawn;
}

void TiledBackground::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawTiledPixmap(event->rect(), tile(), event->rect().topLeft());
}
