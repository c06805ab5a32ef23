#pragma once

#include "reports/cellpattern.h"
#include "reports/pageformat.h"
#include "reports/sheetitems.h"

#include <QRectF>
#include <QStringList>

#include <vector>

class QPainter;

// Paints sheet items with QPainter on any device and tells where printed
// text and frames fall. Coordinates are layout pixels inside the band.
namespace SheetPainter {

// Blank space between a frame and the text inside it.
inline constexpr double kTextInset = 1.0;

// Paints a page: `items` laid out in the band of `format`, the whole A4
// paper mapped onto `target` (device coordinates of the painter).
void paintPage(QPainter &painter, const PageFormat &format, const std::vector<SheetItem> &items,
               const QRectF &target);
// Paints items in band coordinates with the painter's current transform.
void paintItems(QPainter &painter, const std::vector<SheetItem> &items);

// The rectangle an item occupies when printed: automatic sizing makes a
// text without word wrap as wide as its text, and a text never gets less
// height than its lines need.
QRectF printedRect(const SheetLabel &label);
QRectF printedRect(const SheetMemo &memo);
// The lines a memo prints, after line breaks and word wrap.
QStringList printedLines(const SheetMemo &memo);

// Positions (from the item's left edge) of the dividers between the cells of
// `sample` printed with `pattern` in `font`.
std::vector<double> cellBoundaries(const CellPattern &pattern, const QString &sample,
                                   const FontSpec &font);

} // namespace SheetPainter
