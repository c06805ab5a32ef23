#pragma once

#include "reports/reportfont.h"
#include "reports/sheetitems.h"

#include <QRectF>
#include <QStringList>

#include <limits>
#include <optional>
#include <vector>

// How the text of a label or memo is laid out before it is printed, so that
// the painter draws exactly these lines and never loses text on its own.
namespace textfit {

// Blank space between a frame and the text inside it.
inline constexpr double kTextInset = 1.0;
// The smallest size text is shrunk to: 7 points, still legible on paper.
inline constexpr double kSmallestPixels = 28.0 / 3.0;
// Size steps of shrinking.
inline constexpr double kStepPixels = 0.5;
// A line may reach this far below its item's rectangle: the descent of the
// lowest letters stays within the frame's own line.
inline constexpr double kBottomTolerance = 1.0;

struct FittedText
{
    QRectF rect;       // where the text and its frame print
    FontSpec font;     // the size the text prints at
    QStringList lines; // the lines drawn, top-down
    bool cut = false;  // text was left out even at the smallest size
    // A row of cells prints its characters one by one, each centred in its
    // cell: `cellChars` at `cellLefts`, from the rectangle's left.
    QString cellChars;
    std::vector<double> cellLefts;
};

// A corner at the bottom right of a box where another item prints: lines of
// the box's text that reach below `top` end before `left`. Both are from the
// box's top left, in layout pixels.
struct Notch
{
    double left = 0;
    double top = 0;
};

// Lays `entries` out in `rect` with `style`: wrapped when the item wraps,
// then, while it does not fit, in the same face a step smaller down to
// kSmallestPixels (a row of cells keeps its size, its dividers depend on
// it); a text that does not wrap breaks into lines when even the smallest
// size does not hold it; what still does not fit is cut at the last whole
// word and ends with "…". An automatically sized label grows to its text up to `widthLimit`
// (the band's right edge). Wrapped text keeps clear of `notch`.
FittedText fitText(const QRect &rect, const TextStyle &style, const QStringList &entries,
                   double widthLimit = std::numeric_limits<double>::infinity(),
                   const std::optional<Notch> &notch = std::nullopt);

// A row of cells holding `value`: its spread line, and each character
// centred in its cell; characters beyond the row go on at the last cell's
// width.
FittedText placeInCells(const QRect &rect, const TextStyle &style, const QString &value);

// The width `line` prints at `font`, without the blanks at its end.
double inkWidth(const ReportFont &font, const QString &line);

// How many lines of `font` a text block `height` high holds (at least one).
int linesRoom(const ReportFont &font, double height);

// The lines a text makes at `font` within `width`: entries split at their
// line breaks and, when `wrap`, broken at blanks; no more than `limit` of
// them when one is given.
QStringList wrappedLines(const QStringList &entries, const ReportFont &font, double width,
                         bool wrap, qsizetype limit = -1);

} // namespace textfit
