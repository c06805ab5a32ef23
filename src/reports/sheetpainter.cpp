#include "reports/sheetpainter.h"

#include "reports/reportfont.h"

#include <QPainter>

#include <algorithm>

namespace SheetPainter {

namespace {

QStringList paragraphsOf(const QString &entry)
{
    QString text = entry;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

// How many characters from the start of `word` fit into `width`, at least
// one. The advances of single characters add up to that of the text (the
// report fonts are unhinted and unkerned), so the measure is linear in the
// length of the line, whatever the length of the word; the line found is
// measured once as a whole to make sure.
qsizetype fittingPrefix(const ReportFont &font, QStringView word, double width)
{
    qsizetype fit = 0;
    double used = 0;
    while (fit < word.size()) {
        used += font.advance(word[fit]);
        if (used > width)
            break;
        ++fit;
    }
    while (fit > 1 && font.advance(word.first(fit).toString()) > width)
        --fit;
    return std::max<qsizetype>(fit, 1);
}

// Breaks a paragraph at blanks, as a printed form does: a run of blanks
// takes its width inside a line and is dropped where the line breaks; a word
// wider than the line is broken between characters.
void wrapInto(QStringList &out, const QString &paragraph, const ReportFont &font, double width)
{
    QString line;
    double lineWidth = 0;
    qsizetype i = 0;
    const qsizetype n = paragraph.size();
    bool placedAny = false;
    while (i < n) {
        qsizetype blanksEnd = i;
        while (blanksEnd < n && paragraph.at(blanksEnd) == QLatin1Char(' '))
            ++blanksEnd;
        qsizetype wordEnd = blanksEnd;
        while (wordEnd < n && paragraph.at(wordEnd) != QLatin1Char(' '))
            ++wordEnd;
        const QString blanks = paragraph.mid(i, blanksEnd - i);
        QStringView word = QStringView(paragraph).sliced(blanksEnd, wordEnd - blanksEnd);
        i = wordEnd;
        const double blanksWidth = font.advance(blanks);
        // A word longer than a line is never measured whole: only its lines.
        const bool longerThanLine = fittingPrefix(font, word, width) < word.size();
        double wordWidth = longerThanLine ? width + 1 : font.advance(word.toString());
        if (placedAny && lineWidth + blanksWidth + wordWidth > width && !word.isEmpty()) {
            out.append(line);
            line.clear();
            lineWidth = 0;
        } else {
            line += blanks;
            lineWidth += blanksWidth;
        }
        placedAny = true;
        // A word that does not fit an empty line is broken between characters.
        if (line.isEmpty() && longerThanLine) {
            qsizetype fit = fittingPrefix(font, word, width);
            while (fit < word.size()) {
                out.append(word.first(fit).toString());
                word = word.sliced(fit);
                fit = fittingPrefix(font, word, width);
            }
            wordWidth = font.advance(word.toString());
        }
        line += word;
        lineWidth += wordWidth;
    }
    out.append(line);
}

QStringList linesOf(const QStringList &entries, const TextStyle &style, const ReportFont &font,
                    double textWidth)
{
    QStringList lines;
    for (const QString &entry : entries) {
        for (const QString &paragraph : paragraphsOf(entry)) {
            if (style.wordWrap)
                wrapInto(lines, paragraph, font, textWidth);
            else
                lines.append(paragraph);
        }
    }
    return lines;
}

struct TextBlock
{
    QRectF rect;
    QStringList lines;
};

TextBlock layOut(const QRect &designRect, const TextStyle &style, const QStringList &entries)
{
    const ReportFont font(style.font);
    TextBlock block{QRectF(designRect), {}};
    if (style.autoSize && !style.wordWrap) {
        block.lines = linesOf(entries, style, font, 0);
        double widest = 0;
        for (const QString &line : block.lines)
            widest = std::max(widest, font.advance(line));
        block.rect.setWidth(widest + 2 * kTextInset);
    } else {
        block.lines = linesOf(entries, style, font, block.rect.width() - 2 * kTextInset);
    }
    if (style.autoSize) {
        const double needed = block.lines.size() * font.lineHeight() + 2 * kTextInset;
        block.rect.setHeight(std::max(block.rect.height(), needed));
    }
    return block;
}

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

void paintText(QPainter &painter, const TextBlock &block, const TextStyle &style)
{
    const ReportFont font(style.font);
    const QRectF &r = block.rect;
    if (style.opaque)
        painter.fillRect(r, Qt::white);

    const double available = r.width() - 2 * kTextInset;
    bool clip = false;
    if (!style.wordWrap && !style.autoSize) {
        clip = std::any_of(block.lines.cbegin(), block.lines.cend(),
                           [&](const QString &line) { return font.advance(line) > available; });
    }
    painter.save();
    if (clip)
        painter.setClipRect(r.adjusted(0, 0, 0, font.lineHeight()), Qt::IntersectClip);
    painter.setPen(Qt::black);
    painter.setFont(font.scaledFont());
    const double lineHeight = font.lineHeight();
    for (qsizetype i = 0; i < block.lines.size(); ++i) {
        const double top = r.top() + kTextInset + i * lineHeight;
        // The first line always prints; the others only while they fit.
        if (i > 0 && top + lineHeight > r.bottom() + 0.5)
            break;
        const QString &line = block.lines.at(i);
        double x = r.left() + kTextInset;
        if (style.alignment & Qt::AlignHCenter)
            x = r.left() + (r.width() - font.advance(line)) / 2;
        else if (style.alignment & Qt::AlignRight)
            x = r.right() - kTextInset - font.advance(line);
        painter.save();
        painter.translate(x, top + font.ascent());
        painter.scale(1 / ReportFont::kScale, 1 / ReportFont::kScale);
        painter.drawText(QPointF(0, 0), line);
        painter.restore();
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

} // namespace

QRectF printedRect(const SheetLabel &label)
{
    return layOut(label.rect, label.style, {label.caption()}).rect;
}

QRectF printedRect(const SheetMemo &memo)
{
    return layOut(memo.rect, memo.style, memo.lines()).rect;
}

QStringList printedLines(const SheetMemo &memo)
{
    return layOut(memo.rect, memo.style, memo.lines()).lines;
}

void paintItems(QPainter &painter, const std::vector<SheetItem> &items)
{
    for (const SheetItem &item : items) {
        if (const auto *label = std::get_if<SheetLabel>(&item)) {
            const TextBlock block = layOut(label->rect, label->style, {label->caption()});
            paintText(painter, block, label->style);
            paintFrame(painter, block.rect, label->style.frame);
        } else if (const auto *memo = std::get_if<SheetMemo>(&item)) {
            const TextBlock block = layOut(memo->rect, memo->style, memo->lines());
            paintText(painter, block, memo->style);
            paintFrame(painter, block.rect, memo->style.frame);
        } else {
            paintShape(painter, std::get<SheetShape>(item));
        }
    }
}

void paintPage(QPainter &painter, const PageFormat &format, const std::vector<SheetItem> &items,
               const QRectF &target)
{
    const QSizeF paper = PageFormat::paperPixels();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / paper.width(), target.height() / paper.height());
    painter.translate(format.bandOrigin());
    paintItems(painter, items);
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
