#pragma once

#include <QMarginsF>
#include <QPointF>
#include <QSizeF>

// A sheet's paper: A4 portrait with margins in millimetres. Layout pixels
// are 1/96 inch.
struct PageFormat
{
    static constexpr double kPaperWidthMm = 210.0;
    static constexpr double kPaperHeightMm = 297.0;
    static constexpr double kPixelsPerMm = 96.0 / 25.4;

    QMarginsF marginsMm; // left, top, right, bottom

    // The two margin sets of the forms.
    static PageFormat front() { return {QMarginsF(10, 10, 10, 10)}; }
    static PageFormat back() { return {QMarginsF(9, 10, 20, 19)}; }

    PageFormat withTop(double mm) const
    {
        PageFormat f = *this;
        f.marginsMm.setTop(mm);
        return f;
    }
    PageFormat withRight(double mm) const
    {
        PageFormat f = *this;
        f.marginsMm.setRight(mm);
        return f;
    }

    static QSizeF paperPixels()
    {
        return {kPaperWidthMm * kPixelsPerMm, kPaperHeightMm * kPixelsPerMm};
    }
    // Where the band starts on the paper, in layout pixels.
    QPointF bandOrigin() const
    {
        return {marginsMm.left() * kPixelsPerMm, marginsMm.top() * kPixelsPerMm};
    }

    friend bool operator==(const PageFormat &, const PageFormat &) = default;
};
