#pragma once

#include "reports/cellpattern.h"
#include "reports/reportfont.h"

#include <QFlags>
#include <QRect>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

// Which sides of an item's rectangle are drawn.
enum class FrameSide : unsigned { Top = 1, Bottom = 2, Left = 4, Right = 8 };
Q_DECLARE_FLAGS(FrameSides, FrameSide)
Q_DECLARE_OPERATORS_FOR_FLAGS(FrameSides)

// How a label or a memo prints its text. Positions and sizes are in layout
// pixels (1/96 inch) inside the sheet's band.
struct TextStyle
{
    FontSpec font;
    FrameSides frame;
    bool wordWrap = false;
    // Automatic sizing: without word wrap the printed width follows the
    // text (a frame then hugs it); the set width is used when it is off.
    bool autoSize = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    // Paints a white background first, covering whatever lies beneath.
    bool opaque = false;
    // For an item drawn as a row of boxed character cells: how a value is
    // spread over the cells (see CellPattern::spread).
    const CellPattern *cells = nullptr;
    // For a row of cells: where its dividers stand, from the item's left.
    std::vector<double> cellDividers;
};

// One text line (a caption).
class SheetLabel
{
public:
    QString name;
    // The code of the field whose text the item shows (or whose caption it
    // is), named when the text does not fit.
    QString field;
    QRect rect;
    TextStyle style;

    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption)
    {
        m_caption = caption;
        m_cellValue.clear();
    }
    // For a row of cells: the value spread over the row's cells.
    void setCells(const QString &value)
    {
        m_caption = style.cells ? style.cells->spread(value) : value;
        m_cellValue = style.cells ? value : QString();
    }
    // The characters set by setCells, each printed in its own cell.
    const QString &cellValue() const { return m_cellValue; }

private:
    QString m_caption;
    QString m_cellValue;
};

// A list of lines printed top-down inside the memo's rectangle. A line that
// holds line breaks is one entry and prints as several lines.
class SheetMemo
{
public:
    QString name;
    QString field; // as for a label
    QRect rect;
    TextStyle style;

    const QStringList &lines() const { return m_lines; }
    void clear()
    {
        m_lines.clear();
        m_cellValue.clear();
    }
    void addLine(const QString &line) { m_lines.append(line); }
    // Clears the memo and adds the given lines.
    void setLines(const QStringList &lines)
    {
        m_lines = lines;
        m_cellValue.clear();
    }
    // The whole text, entries joined by line feeds.
    QString text() const { return m_lines.join(QLatin1Char('\n')); }

    void setWidth(int width) { rect.setWidth(width); }
    void setAutoSize(bool on) { style.autoSize = on; }

    // For a row of cells: the value spread over the row's cells, as one line.
    void setCells(const QString &value)
    {
        setLines({style.cells ? style.cells->spread(value) : value});
        m_cellValue = style.cells ? value : QString();
    }
    // As for a label.
    const QString &cellValue() const { return m_cellValue; }
    // An empty row of cells: the single line " ", automatic sizing off and
    // a fixed width, so that the frame still spans all the cells.
    void setEmptyCells(int width)
    {
        setLines({QStringLiteral(" ")});
        setAutoSize(false);
        setWidth(width);
    }

private:
    QStringList m_lines;
    QString m_cellValue;
};

// A line or a rectangle; a disabled shape is not printed.
class SheetShape
{
public:
    enum class Kind { HorizontalLine, VerticalLine, Rectangle };

    QString name;
    QRect rect;
    Kind kind = Kind::Rectangle;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

private:
    bool m_enabled = true;
};

using SheetItem = std::variant<SheetLabel, SheetMemo, SheetShape>;

inline const QString &itemName(const SheetItem &item)
{
    return std::visit([](const auto &i) -> const QString & { return i.name; }, item);
}

inline QRect itemRect(const SheetItem &item)
{
    return std::visit([](const auto &i) { return i.rect; }, item);
}
