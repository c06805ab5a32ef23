#include "reports/reportsheet.h"

#include "reports/sheetpainter.h"

#include <QDebug>

#include <cmath>

namespace {

TextStyle styleOf(const layout::ItemSpec &spec)
{
    TextStyle style;
    style.font = spec.font;
    style.frame = FrameSides::fromInt(spec.frame);
    style.wordWrap = spec.flags & layout::WordWrap;
    style.autoSize = spec.flags & layout::AutoSize;
    style.opaque = spec.flags & layout::Opaque;
    style.cells = spec.cells.pattern;
    if (spec.flags & layout::Center)
        style.alignment = Qt::AlignHCenter;
    else if (spec.flags & layout::AlignRight)
        style.alignment = Qt::AlignRight;
    return style;
}

SheetItem makeItem(const layout::ItemSpec &spec)
{
    const QString name = QString::fromUtf8(spec.name);
    const QRect rect(spec.left, spec.top, spec.width, spec.height);
    const QString text = QString::fromUtf8(spec.text);
    switch (spec.kind) {
    case layout::Kind::Label: {
        SheetLabel label;
        label.name = name;
        label.rect = rect;
        label.style = styleOf(spec);
        label.setCaption(text);
        return label;
    }
    case layout::Kind::Memo: {
        SheetMemo memo;
        memo.name = name;
        memo.rect = rect;
        memo.style = styleOf(spec);
        if (!text.isEmpty())
            memo.setLines(text.split(QLatin1Char('\n')));
        return memo;
    }
    case layout::Kind::HLine:
    case layout::Kind::VLine:
    case layout::Kind::Rect:
        break;
    }
    SheetShape shape;
    shape.name = name;
    shape.rect = rect;
    shape.kind = spec.kind == layout::Kind::HLine   ? SheetShape::Kind::HorizontalLine
                 : spec.kind == layout::Kind::VLine ? SheetShape::Kind::VerticalLine
                                                    : SheetShape::Kind::Rectangle;
    shape.setEnabled(!(spec.flags & layout::Disabled));
    return shape;
}

} // namespace

ReportSheet::ReportSheet(const SheetLayout &layout, QObject *parent)
    : QObject(parent), m_format(layout.format), m_band(layout.band)
{
    setObjectName(QString::fromUtf8(layout.name));
    m_items.reserve(layout.items.size());
    for (const layout::ItemSpec &spec : layout.items) {
        m_index.insert(QString::fromUtf8(spec.name), m_items.size());
        m_items.push_back(makeItem(spec));
        if (spec.cells.pattern)
            addCellDividers(spec);
    }
}

// Dividers stand in the middle of the blank runs between the characters of
// a full value, so the boxes fit the printed characters whatever the font.
void ReportSheet::addCellDividers(const layout::ItemSpec &spec)
{
    const QString sample = QString::fromUtf8(spec.cells.sample);
    const std::vector<double> bounds =
        SheetPainter::cellBoundaries(*spec.cells.pattern, sample, spec.font);
    const QStringList named =
        spec.cellShapes
            ? QString::fromUtf8(spec.cellShapes).split(QLatin1Char(' '), Qt::SkipEmptyParts)
            : QStringList();
    const bool box = (spec.flags & layout::CellBox) && named.size() == 1 && bounds.size() >= 2;
    const qsizetype firstNamed = qsizetype(bounds.size()) - (box ? 2 : named.size());

    const auto add = [&](const QString &name, SheetShape::Kind kind, const QRect &rect) {
        SheetShape shape;
        shape.name = name;
        shape.kind = kind;
        shape.rect = rect;
        m_index.insert(name, m_items.size());
        m_items.push_back(shape);
    };
    // A one-pixel-wide line rectangle draws its line half a pixel in.
    const auto divider = [&](const QString &name, double x) {
        add(name, SheetShape::Kind::VerticalLine,
            QRect(spec.left + int(std::lround(x - 0.5)), spec.top, 1, spec.height));
    };
    for (qsizetype i = 0; i < qsizetype(bounds.size()); ++i) {
        const double x = bounds[size_t(i)];
        if (i < firstNamed)
            divider(QStringLiteral("%1.cell%2").arg(QString::fromUtf8(spec.name)).arg(i + 1), x);
        else if (!box)
            divider(named.at(i - firstNamed), x);
    }
    if (box) {
        const double from = bounds[bounds.size() - 2];
        add(named.first(), SheetShape::Kind::Rectangle,
            QRect(spec.left + int(std::lround(from)), spec.top,
                  int(std::lround(bounds.back() - from)), spec.height));
    }
}

const SheetItem *ReportSheet::item(const QString &name) const
{
    const auto it = m_index.constFind(name);
    return it == m_index.cend() ? nullptr : &m_items[*it];
}

template <class T> T *ReportSheet::find(const QString &name)
{
    const auto it = m_index.constFind(name);
    if (it == m_index.cend())
        return nullptr;
    return std::get_if<T>(&m_items[*it]);
}

template <class T> const T *ReportSheet::find(const QString &name) const
{
    const auto it = m_index.constFind(name);
    if (it == m_index.cend())
        return nullptr;
    return std::get_if<T>(&m_items[*it]);
}

namespace {
template <class T> T &orDetached(T *found, T &detached, const QObject *sheet, const QString &name)
{
    if (found)
        return *found;
    qWarning().noquote() << "Sheet" << sheet->objectName() << "has no such item:" << name;
    detached = T();
    detached.name = name;
    return detached;
}
} // namespace

SheetLabel &ReportSheet::label(const QString &name)
{
    return orDetached(find<SheetLabel>(name), m_detachedLabel, this, name);
}

SheetMemo &ReportSheet::memo(const QString &name)
{
    return orDetached(find<SheetMemo>(name), m_detachedMemo, this, name);
}

SheetShape &ReportSheet::shape(const QString &name)
{
    return orDetached(find<SheetShape>(name), m_detachedShape, this, name);
}

namespace {
template <class T> const T &orEmpty(const T *found, const QObject *sheet, const QString &name)
{
    if (found)
        return *found;
    qWarning().noquote() << "Sheet" << sheet->objectName() << "has no such item:" << name;
    static const T empty;
    return empty;
}
} // namespace

const SheetLabel &ReportSheet::label(const QString &name) const
{
    return orEmpty(find<SheetLabel>(name), this, name);
}

const SheetMemo &ReportSheet::memo(const QString &name) const
{
    return orEmpty(find<SheetMemo>(name), this, name);
}

const SheetShape &ReportSheet::shape(const QString &name) const
{
    return orEmpty(find<SheetShape>(name), this, name);
}

void ReportSheet::setCaption(const QString &labelName, const QString &caption)
{
    label(labelName).setCaption(caption);
}

void ReportSheet::setLines(const QString &memoName, const QStringList &lines)
{
    memo(memoName).setLines(lines);
}

void ReportSheet::setShapeEnabled(const QString &shapeName, bool enabled)
{
    shape(shapeName).setEnabled(enabled);
}

void ReportSheet::resetMemos()
{
    forEachMemo([](SheetMemo &memo) { memo.setLines({QStringLiteral(" ")}); });
}
