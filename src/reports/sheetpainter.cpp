#include "reports/sheetpainter.h"

#include "reports/reportfont.h"

#include <QPainter>

#include <algorithm>

namespace SheetPainter {

namespace {

QPen framePen()
{
    return QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void paintFrame(QPainter &painter, const QRectF &r, FrameSides sides)
{
    if (!sides)
        return;
    painter.setPen(framePen());
    if (sides & FrameSide::Top)
        painter.drawLine(r.topLeft(), r.topRight());
    if (sides & FrameSide::Bottom)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    if (sides & FrameSide::Left)
        painter.drawLine(r.topLeft(), r.bottomLeft());
    if (sides & FrameSide::Right)
        painter.drawLine(r.topRight(), r.bottomRight());
}

void paintText(QPainter &painter, const textfit::FittedText &text, const TextStyle &style)
{
    const ReportFont font(text.font);
    const QRectF &r = text.rect;
    if (style.opaque)
        painter.fillRect(r, Qt::white);
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(font.scaledFont());
    const auto drawAt = [&](double x, double baseline, const QString &chars) {
        painter.save();
        painter.translate(x, baseline);
        painter.scale(1 / ReportFont::kScale, 1 / ReportFont::kScale);
        painter.drawText(QPointF(0, 0), chars);
        painter.restore();
    };
    if (!text.cellChars.isEmpty()) {
        const double baseline = r.top() + kTextInset + font.ascent();
        for (qsizetype i = 0; i < text.cellChars.size(); ++i)
            drawAt(r.left() + text.cellLefts[size_t(i)], baseline, text.cellChars.at(i));
        painter.restore();
        return;
    }
    for (qsizetype i = 0; i < text.lines.size(); ++i) {
        const QRectF box = lineBox(text, style, font, i);
        drawAt(box.left(), box.top() + font.ascent(), text.lines.at(i));
    }
    painter.restore();
}

void paintShape(QPainter &painter, const SheetShape &shape)
{
    if (!shape.isEnabled())
        return;
    const QRectF r(shape.rect);
    painter.setPen(framePen());
    painter.setBrush(Qt::NoBrush);
    switch (shape.kind) {
    case SheetShape::Kind::HorizontalLine:
        painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        break;
    case SheetShape::Kind::VerticalLine:
        painter.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
        break;
    case SheetShape::Kind::Rectangle:
        painter.drawRect(r);
        break;
    }
}

// Whether an item prints text that shows: blanks print nothing, and an
// opaque item is meant to cover what lies beneath it.
bool showsText(const SheetItem &item)
{
    if (const auto *label = std::get_if<SheetLabel>(&item))
        return !label->style.opaque && !label->caption().trimmed().isEmpty();
    if (const auto *memo = std::get_if<SheetMemo>(&item)) {
        return !memo->style.opaque &&
               std::any_of(memo->lines().cbegin(), memo->lines().cend(),
                           [](const QString &line) { return !line.trimmed().isEmpty(); });
    }
    return false;
}

// Where another item's text prints inside the box of a memo that wraps its
// text from the left: the topmost such item that starts below the box's top
// and right of its left edge.
std::optional<textfit::Notch> notchOf(const SheetMemo &memo, const std::vector<SheetItem> &items)
{
    const TextStyle &style = memo.style;
    if (!style.wordWrap || style.autoSize || style.cells ||
        (style.alignment & (Qt::AlignHCenter | Qt::AlignRight)))
        return std::nullopt;
    const QRect &box = memo.rect;
    std::optional<textfit::Notch> notch;
    for (const SheetItem &item : items) {
        const QRect other = itemRect(item);
        const bool inside = other.top() > box.top() && other.top() < box.top() + box.height() &&
                            other.left() > box.left() && other.left() < box.left() + box.width();
        if (!inside || (notch && other.top() - box.top() >= notch->top) || !showsText(item))
            continue;
        notch = textfit::Notch{double(other.left() - box.left()), double(other.top() - box.top())};
    }
    return notch;
}

} // namespace

QRectF lineBox(const textfit::FittedText &text, const TextStyle &style, const ReportFont &font,
               qsizetype line)
{
    const QRectF &r = text.rect;
    const QString &chars = text.lines.at(line);
    double x = r.left() + kTextInset;
    if (style.alignment & Qt::AlignHCenter)
        x = r.left() + (r.width() - font.advance(chars)) / 2;
    else if (style.alignment & Qt::AlignRight)
        x = r.right() - kTextInset - font.advance(chars);
    return {x, r.top() + kTextInset + line * font.lineHeight(), textfit::inkWidth(font, chars),
            font.lineHeight()};
}

QRectF printedRect(const SheetLabel &label)
{
    return textfit::fitText(label.rect, label.style, {label.caption()}).rect;
}

QRectF printedRect(const SheetMemo &memo)
{
    return textfit::fitText(memo.rect, memo.style, memo.lines()).rect;
}

QStringList printedLines(const SheetMemo &memo)
{
    return textfit::wrappedLines(memo.lines(), ReportFont(memo.style.font),
                                 memo.rect.width() - 2 * kTextInset, memo.style.wordWrap);
}

PageTexts layOutTexts(const std::vector<SheetItem> &items, const QSizeF &band)
{
    PageTexts texts;
    texts.reserve(items.size());
    for (const SheetItem &item : items) {
        if (const auto *label = std::get_if<SheetLabel>(&item);
            label && !label->cellValue().isEmpty() && !label->style.autoSize) {
            texts.push_back(textfit::placeInCells(label->rect, label->style, label->cellValue()));
        } else if (const auto *memo = std::get_if<SheetMemo>(&item);
                   memo && !memo->cellValue().isEmpty() && !memo->style.autoSize) {
            texts.push_back(textfit::placeInCells(memo->rect, memo->style, memo->cellValue()));
        } else if (label) {
            texts.push_back(textfit::fitText(label->rect, label->style, {label->caption()},
                                             band.width() - label->rect.left()));
        } else if (memo) {
            texts.push_back(textfit::fitText(memo->rect, memo->style, memo->lines(),
                                             band.width() - memo->rect.left(),
                                             notchOf(*memo, items)));
        } else {
            texts.emplace_back();
        }
    }
    return texts;
}

void paintItems(QPainter &painter, const std::vector<SheetItem> &items, const PageTexts &texts)
{
    for (size_t i = 0; i < items.size(); ++i) {
        const SheetItem &item = items[i];
        const TextStyle *style = nullptr;
        if (const auto *label = std::get_if<SheetLabel>(&item))
            style = &label->style;
        else if (const auto *memo = std::get_if<SheetMemo>(&item))
            style = &memo->style;
        if (style && i < texts.size() && texts[i]) {
            paintText(painter, *texts[i], *style);
            paintFrame(painter, texts[i]->rect, style->frame);
        } else if (const auto *shape = std::get_if<SheetShape>(&item)) {
            paintShape(painter, *shape);
        }
    }
}

void paintPage(QPainter &painter, const PageFormat &format, const std::vector<SheetItem> &items,
               const PageTexts &texts, const QRectF &target)
{
    const QSizeF paper = PageFormat::paperPixels();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / paper.width(), target.height() / paper.height());
    painter.translate(format.bandOrigin());
    paintItems(painter, items, texts);
    painter.restore();
}

std::vector<double> cellBoundaries(const CellPattern &pattern, const QString &sample,
                                   const FontSpec &fontSpec)
{
    const ReportFont font(fontSpec);
    const QChar blank = QLatin1Char(' ');
    std::vector<double> bounds;
    double x = kTextInset + font.advance(QString(pattern.lead, blank));
    for (qsizetype i = 0; i < sample.size(); ++i) {
        x += font.advance(sample.at(i));
        if (i + 1 < sample.size()) {
            const int blanks = pattern.gaps.empty()
                                   ? 0
                                   : pattern.gaps[std::min(size_t(i), pattern.gaps.size() - 1)];
            const double gapWidth = font.advance(QString(blanks, blank));
            bounds.push_back(x + gapWidth / 2);
            x += gapWidth;
        }
    }
    return bounds;
}

} // namespace SheetPainter
