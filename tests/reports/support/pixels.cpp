#include "reports/support/pixels.h"

#include <QColor>

#include <algorithm>

int darkest(const QImage &image, const QRectF &area)
{
    const QRect r = area.toAlignedRect().intersected(image.rect());
    int result = 255;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            result = std::min(result, qGray(image.pixel(x, y)));
    }
    return result;
}

bool isBlank(const QImage &image, const QRectF &area)
{
    return darkest(image, area) == 255;
}
