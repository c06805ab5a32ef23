#pragma once

#include <QImage>
#include <QRectF>

// Darkest grey value (0 black ... 255 white) of the pixels in `area`.
int darkest(const QImage &image, const QRectF &area);
// Whether every pixel of `area` is white.
bool isBlank(const QImage &image, const QRectF &area);
