#pragma once

#include "reports/cellpattern.h"
#include "reports/pageformat.h"
#include "reports/reportfont.h"

#include <QSize>

#include <span>

// A sheet's layout is a table of these rows, one per printed item.
namespace layout {

enum class Kind { Label, Memo, HLine, VLine, Rect };

// Frame sides.
enum : unsigned { NoFrame = 0, Top = 1, Bottom = 2, Left = 4, Right = 8, Box = 15 };

// Flags.
enum : unsigned {
    WordWrap = 1,
    AutoSize = 2,
    Disabled = 4, // a shape that the filling switches on when needed
    Center = 8,
    AlignRight = 16,
    Opaque = 32,
    // The one name in `cellShapes` is a box around the cell before the last,
    // standing for the last two dividers.
    CellBox = 64,
};

// A row of boxed character cells inside a label or memo: dividers stand in
// the middle of the blank runs of `sample` printed with `pattern`. The forms
// lay cell rows out without automatic sizing, so that the frame spans every
// cell whatever the row holds; the filling narrows or widens a code row for
// 8 or 10 digits.
struct CellRow
{
    const CellPattern *pattern = nullptr;
    const char *sample = nullptr;
};

struct ItemSpec
{
    const char *name;
    Kind kind;
    int left, top, width, height;
    // A label's caption, or a memo's lines separated by '\n'.
    const char *text = "";
    FontSpec font = fonts::caption;
    unsigned frame = NoFrame;
    unsigned flags = 0;
    CellRow cells = {};
    // Names given to the dividers after the last cells, in order (blank
    // separated), or with CellBox the name of the box around the cell before
    // the last; the filling switches them for codes of 8 or 10 digits.
    const char *cellShapes = nullptr;
};

inline constexpr Kind Label = Kind::Label;
inline constexpr Kind Memo = Kind::Memo;
inline constexpr Kind HLine = Kind::HLine;
inline constexpr Kind VLine = Kind::VLine;
inline constexpr Kind Rect = Kind::Rect;

} // namespace layout

// Everything a sheet is built from.
struct SheetLayout
{
    const char *name; // the sheet's reference name, e.g. "QRRk1"
    PageFormat format;
    QSize band;
    std::span<const layout::ItemSpec> items;
};
