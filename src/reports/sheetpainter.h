#pragma once

#include "reports/cellpattern.h"
#include "reports/pageformat.h"
#include "reports/sheetitems.h"
#include "reports/textfit.h"

#include <QRectF>
#include <QStringList>

#include <optional>
#include <vector>

class QPainter;

// Paints sheet items with QPainter on any device and tells where printed
// text and frames fall. Coordinates are layout pixels inside the band.
namespace SheetPainter {

using textfit::kTextInset;

// The laid-out text of each item of a page, in item order; shapes have none.
using PageTexts = std::vector<std::optional<textfit::FittedText>>;
// Lays out the text of every label and memo of a page whose band is `band`
// (see textfit::fitText); painting draws exactly these lines.
PageTexts layOutTexts(const std::vector<SheetItem> &items, const QSizeF &band);

// Paints a page: `items` laid out in the band of `format`, the whole A4
// paper mapped onto `target` (device coordinates of the painter).
void paintPage(QPainter &painter, const PageFormat &format, const std::vector<SheetItem> &items,
               const PageTexts &texts, const QRectF &target);
// Paints items with their laid-out texts in band coordinates with the
// painter's current transform.
void paintItems(QPainter &painter, const std::vector<SheetItem> &items, const PageTexts &texts);

// Where line `line` of a laid-out text prints, `font` being the text's: left
// where its alignment puts it, one line high, as wide as its characters up
// to the blanks at its end.
QRectF lineBox(const textfit::FittedText &text, const TextStyle &style, const ReportFont &font,
               qsizetype line);

// The rectangle an item occupies when printed on its own: automatic sizing
// makes a text without word wrap as wide as its text.
QRectF printedRect(const SheetLabel &label);
QRectF printedRect(const SheetMemo &memo);
// The lines a memo's text makes at its own size, after line breaks and
// word wrap (before fitting).
QStringList printedLines(const SheetMemo &memo);

// Positions (from the item's left edge) of the dividers between the cells of
// `sample` printed with `pattern` in `font`.
std::vector<double> cellBoundaries(const CellPattern &pattern, const QString &sample,
                                   const FontSpec &font);

} // namespace SheetPainter
