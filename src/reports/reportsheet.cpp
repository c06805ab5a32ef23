#include "reports/reportsheet.h"

#include "reports/sheetpainter.h"

#include <QDebug>
#include <QRegularExpression>

#include <cmath>

namespace {

TextStyle styleOf(const layout::ItemSpec &itemRow)
{
    TextStyle style;
    style.font = itemRow.font;
    style.frame = FrameSides::fromInt(itemRow.frame);
    style.wordWrap = itemRow.flags & layout::WordWrap;
    style.autoSize = itemRow.flags & layout::AutoSize;
    style.opaque = itemRow.flags & layout::Opaque;
    style.cells = itemRow.cells.pattern;
    if (itemRow.flags & layout::Center)
        style.alignment = Qt::AlignHCenter;
    else if (itemRow.flags & layout::AlignRight)
        style.alignment = Qt::AlignRight;
    return style;
}

SheetItem makeItem(const layout::ItemSpec &itemRow)
{
    const QString name = QString::fromUtf8(itemRow.name);
    const QRect rect(itemRow.left, itemRow.top, itemRow.width, itemRow.height);
    const QString text = QString::fromUtf8(itemRow.text);
    switch (itemRow.kind) {
    case layout::Kind::Label: {
        SheetLabel label;
        label.name = name;
        label.rect = rect;
        label.style = styleOf(itemRow);
        label.setCaption(text);
        return label;
    }
    case layout::Kind::Memo: {
        SheetMemo memo;
        memo.name = name;
        memo.rect = rect;
        memo.style = styleOf(itemRow);
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
    shape.kind = itemRow.kind == layout::Kind::HLine   ? SheetShape::Kind::HorizontalLine
                 : itemRow.kind == layout::Kind::VLine ? SheetShape::Kind::VerticalLine
                                                       : SheetShape::Kind::Rectangle;
    shape.setEnabled(!(itemRow.flags & layout::Disabled));
    return shape;
}

} // namespace

ReportSheet::ReportSheet(const SheetLayout &layout, QObject *parent)
    : QObject(parent), m_format(layout.format), m_band(layout.band)
{
    setObjectName(QString::fromUtf8(layout.name));
    m_items.reserve(layout.items.size());
    // A data item shows the field of the printed caption that stands before
    // it in the layout; a caption belongs to its own field.
    QString captionField;
    for (const layout::ItemSpec &itemRow : layout.items) {
        m_index.insert(QString::fromUtf8(itemRow.name), m_items.size());
        m_items.push_back(makeItem(itemRow));
        const QString ownField = leadingFieldCode(QString::fromUtf8(itemRow.text));
        if (!ownField.isEmpty() && itemRow.kind == layout::Kind::Label)
            captionField = ownField;
        setField(QString::fromUtf8(itemRow.name), ownField.isEmpty() ? captionField : ownField);
        if (itemRow.cells.pattern)
            addCellDividers(itemRow);
    }
}

// Dividers stand in the middle of the blank runs between the characters of
// a full value, so the boxes fit the printed characters whatever the font.
void ReportSheet::addCellDividers(const layout::ItemSpec &itemRow)
{
    const QString sample = QString::fromUtf8(itemRow.cells.sample);
    const std::vector<double> bounds =
        SheetPainter::cellBoundaries(*itemRow.cells.pattern, sample, itemRow.font);
    std::visit(
        [&](auto &item) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(item)>, SheetShape>)
                item.style.cellDividers = bounds;
        },
        m_items.back());
    const QStringList named =
        itemRow.cellShapes
            ? QString::fromUtf8(itemRow.cellShapes).split(QLatin1Char(' '), Qt::SkipEmptyParts)
            : QStringList();
    const bool box = (itemRow.flags & layout::CellBox) && named.size() == 1 && bounds.size() >= 2;
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
            QRect(itemRow.left + int(std::lround(x - 0.5)), itemRow.top, 1, itemRow.height));
    };
    for (qsizetype i = 0; i < qsizetype(bounds.size()); ++i) {
        const double x = bounds[size_t(i)];
        if (i < firstNamed)
            divider(QStringLiteral("%1.cell%2").arg(QString::fromUtf8(itemRow.name)).arg(i + 1), x);
        else if (!box)
            divider(named.at(i - firstNamed), x);
    }
    if (box) {
        const double from = bounds[bounds.size() - 2];
        add(named.first(), SheetShape::Kind::Rectangle,
            QRect(itemRow.left + int(std::lround(from)), itemRow.top,
                  int(std::lround(bounds.back() - from)), itemRow.height));
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

void ReportSheet::setField(const QString &itemName, const QString &field)
{
    if (auto *label = find<SheetLabel>(itemName))
        label->field = field;
    else if (auto *memo = find<SheetMemo>(itemName))
        memo->field = field;
}

QString ReportSheet::leadingFieldCode(const QString &text)
{
    static const QRegularExpression code(QStringLiteral("^\\s*(\\d{4})(?!\\d)"));
    const QRegularExpressionMatch match = code.match(text);
    return match.hasMatch() ? match.captured(1) : QString();
}

void ReportSheet::resetMemos()
{
    forEachMemo([](SheetMemo &memo) { memo.setLines({QStringLiteral(" ")}); });
}
