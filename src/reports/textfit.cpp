#include "reports/textfit.h"

#include <algorithm>
#include <cmath>

namespace textfit {

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
    while (fit > 1 && font.advance(word.first(fit)) > width)
        --fit;
    return std::max<qsizetype>(fit, 1);
}

// The width each line of a box's text may take: the lines from
// `firstNotched` on end before a notch.
struct LineWidths
{
    double full = 0;
    double notched = 0;
    qsizetype firstNotched = std::numeric_limits<qsizetype>::max();

    double at(qsizetype line) const { return line >= firstNotched ? notched : full; }
};

// The widths of the lines of text laid out in `rect` at `font`. A line is
// notched when its box reaches more than kBottomTolerance into the notch's
// text, which starts one inset below the notch's top.
LineWidths lineWidthsOf(const QRectF &rect, const ReportFont &font,
                        const std::optional<Notch> &notch)
{
    LineWidths widths;
    widths.full = rect.width() - 2 * kTextInset;
    if (!notch)
        return widths;
    widths.notched = std::max(1.0, notch->left - 2 * kTextInset);
    const double clear = notch->top + kBottomTolerance;
    widths.firstNotched = std::max<qsizetype>(0, qsizetype(std::floor(clear / font.lineHeight())));
    return widths;
}

// Whether `lines` holds `limit` lines (a negative limit: never).
bool reached(const QStringList &lines, qsizetype limit)
{
    return limit >= 0 && lines.size() >= limit;
}

// Breaks a paragraph at blanks, as a printed form does: a run of blanks
// takes its width inside a line and is dropped where the line breaks; a word
// wider than the line is broken between characters. Stops once `out` has
// reached `limit` lines.
void wrapInto(QStringList &out, const QString &paragraph, const ReportFont &font,
              const LineWidths &widths, qsizetype limit)
{
    const auto full = [&] { return reached(out, limit); };
    QString line;
    double lineWidth = 0;
    qsizetype i = 0;
    const qsizetype n = paragraph.size();
    bool placedAny = false;
    while (i < n && !full()) {
        qsizetype blanksEnd = i;
        while (blanksEnd < n && paragraph.at(blanksEnd) == QLatin1Char(' '))
            ++blanksEnd;
        qsizetype wordEnd = blanksEnd;
        while (wordEnd < n && paragraph.at(wordEnd) != QLatin1Char(' '))
            ++wordEnd;
        const QStringView blanks = QStringView(paragraph).sliced(i, blanksEnd - i);
        QStringView word = QStringView(paragraph).sliced(blanksEnd, wordEnd - blanksEnd);
        i = wordEnd;
        const double blanksWidth = font.advance(blanks);
        double width = 0;
        bool longerThanLine = false;
        double wordWidth = 0;
        // A word longer than a line is never measured whole: only its lines.
        const auto measureWord = [&] {
            width = widths.at(out.size());
            longerThanLine = fittingPrefix(font, word, width) < word.size();
            wordWidth = longerThanLine ? width + 1 : font.advance(word);
        };
        measureWord();
        if (placedAny && lineWidth + blanksWidth + wordWidth > width && !word.isEmpty()) {
            out.append(line);
            line.clear();
            lineWidth = 0;
            measureWord();
        } else {
            line += blanks;
            lineWidth += blanksWidth;
        }
        placedAny = true;
        // A word that does not fit an empty line is broken between characters.
        if (line.isEmpty() && longerThanLine) {
            qsizetype fit = fittingPrefix(font, word, width);
            while (fit < word.size() && !full()) {
                out.append(word.first(fit).toString());
                word = word.sliced(fit);
                fit = fittingPrefix(font, word, widths.at(out.size()));
            }
            wordWidth = font.advance(word);
        }
        line += word;
        lineWidth += wordWidth;
    }
    if (!full())
        out.append(line);
}

const QString kEllipsis = QStringLiteral("…");

// `line` shortened to its last whole word that leaves room for "…" within
// `width`, then "…". A line without such a word loses characters instead.
QString endedByEllipsis(QString line, const ReportFont &font, double width)
{
    const auto trimEnd = [](QString &text) {
        while (!text.isEmpty() && text.back() == QLatin1Char(' '))
            text.chop(1);
    };
    trimEnd(line);
    while (!line.isEmpty() && font.advance(line + kEllipsis) > width) {
        const qsizetype blank = line.lastIndexOf(QLatin1Char(' '));
        if (blank > 0)
            line.truncate(blank);
        else
            line.chop(1);
        trimEnd(line);
    }
    return line + kEllipsis;
}

struct Attempt
{
    FittedText text;
    bool fits = false;
};

// The lines of `entries` at `font` within `widths`, no more than `limit`.
QStringList wrapped(const QStringList &entries, const ReportFont &font, const LineWidths &widths,
                    bool wrap, qsizetype limit)
{
    QStringList lines;
    for (const QString &entry : entries) {
        for (const QString &paragraph : paragraphsOf(entry)) {
            if (reached(lines, limit))
                return lines;
            if (wrap)
                wrapInto(lines, paragraph, font, widths, limit);
            else
                lines.append(paragraph);
        }
    }
    return lines;
}

// Whether no line of `lines` prints wider than its width: blanks at the end
// of a line print nothing and may reach beyond it.
bool wideEnough(const QStringList &lines, const ReportFont &font, const LineWidths &widths)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (inkWidth(font, lines.at(i)) > widths.at(i) + 0.01)
            return false;
    }
    return true;
}

Attempt layOutAt(const QRect &designRect, const TextStyle &style, const QStringList &entries,
                 double widthLimit, const std::optional<Notch> &notch, double pixels)
{
    Attempt attempt;
    FittedText &out = attempt.text;
    out.font = style.font;
    out.font.pixels = pixels;
    const ReportFont font(out.font);
    out.rect = QRectF(designRect);
    LineWidths widths = lineWidthsOf(out.rect, font, notch);
    if (style.autoSize && !style.wordWrap) {
        out.lines = wrappedLines(entries, font, 0, false);
        double widest = 0;
        for (const QString &line : std::as_const(out.lines))
            widest = std::max(widest, font.advance(line));
        out.rect.setWidth(std::min(widest + 2 * kTextInset, std::max(widthLimit, 0.0)));
        widths = lineWidthsOf(out.rect, font, std::nullopt);
    } else {
        // A box of fixed size shows its room and no more: one line past it
        // tells that the text does not fit.
        const qsizetype limit = style.autoSize ? -1 : linesRoom(font, out.rect.height()) + 1;
        out.lines = wrapped(entries, font, widths, style.wordWrap, limit);
    }
    if (style.autoSize) {
        const double needed = out.lines.size() * font.lineHeight() + 2 * kTextInset;
        out.rect.setHeight(std::max(out.rect.height(), needed));
    }
    attempt.fits = wideEnough(out.lines, font, widths) &&
                   out.lines.size() <= linesRoom(font, out.rect.height());
    return attempt;
}

// The lines of `attempt` that its rectangle holds, the last one of them and
// every line too wide ended by "…".
FittedText cutToRoom(FittedText text, const std::optional<Notch> &notch)
{
    const ReportFont font(text.font);
    const LineWidths widths = lineWidthsOf(text.rect, font, notch);
    const qsizetype room = linesRoom(font, text.rect.height());
    const bool tooMany = text.lines.size() > room;
    if (tooMany)
        text.lines.resize(room);
    for (qsizetype i = 0; i < text.lines.size(); ++i) {
        QString &line = text.lines[i];
        const double available = widths.at(i);
        if (inkWidth(font, line) > available + 0.01 || (tooMany && i + 1 == text.lines.size()))
            line = endedByEllipsis(line, font, available);
    }
    text.cut = true;
    return text;
}

} // namespace

FittedText placeInCells(const QRect &rect, const TextStyle &style, const QString &value)
{
    FittedText out;
    out.rect = QRectF(rect);
    out.font = style.font;
    out.lines = {style.cells ? style.cells->spread(value) : value};
    out.cellChars = value;
    const ReportFont font(out.font);
    const std::vector<double> &dividers = style.cellDividers;
    const qsizetype inRow = qsizetype(dividers.size()) + 1;
    const double lastLeft = dividers.empty() ? 0 : dividers.back();
    const double lastWidth = std::max(1.0, out.rect.width() - lastLeft);
    for (qsizetype i = 0; i < value.size(); ++i) {
        double left = 0;
        double right = out.rect.width();
        if (i >= inRow) {
            left = lastLeft + (i - inRow + 1) * lastWidth;
            right = left + lastWidth;
        } else {
            if (i > 0)
                left = dividers[size_t(i - 1)];
            if (i < qsizetype(dividers.size()))
                right = dividers[size_t(i)];
        }
        out.cellLefts.push_back((left + right - font.advance(value.at(i))) / 2);
    }
    return out;
}

double inkWidth(const ReportFont &font, const QString &line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1) == QLatin1Char(' '))
        --end;
    return font.advance(QStringView(line).first(end));
}

int linesRoom(const ReportFont &font, double height)
{
    const double lines = (height + kBottomTolerance - kTextInset) / font.lineHeight();
    return std::max(1, int(std::floor(lines + 1e-9)));
}

QStringList wrappedLines(const QStringList &entries, const ReportFont &font, double width,
                         bool wrap, qsizetype limit)
{
    return wrapped(entries, font, LineWidths{width}, wrap, limit);
}

FittedText fitText(const QRect &rect, const TextStyle &style, const QStringList &entries,
                   double widthLimit, const std::optional<Notch> &notch)
{
    const double normal = style.font.pixels;
    const auto layOut = [&](double pixels) {
        return layOutAt(rect, style, entries, widthLimit, notch, pixels);
    };
    Attempt best = layOut(normal);
    // A row of cells keeps its size: its dividers stand where its blanks are.
    if (best.fits || style.cells || normal <= kSmallestPixels)
        return best.fits ? best.text : cutToRoom(best.text, notch);
    Attempt smallest = layOut(kSmallestPixels);
    // A one-line value whose box has room for more lines at a smaller size
    // breaks into them rather than lose its end.
    if (!smallest.fits && !style.wordWrap && !style.autoSize) {
        TextStyle wrapping = style;
        wrapping.wordWrap = true;
        return fitText(rect, wrapping, entries, widthLimit, notch);
    }
    if (!smallest.fits)
        return cutToRoom(smallest.text, notch);
    // The largest size that fits, searched in steps between the normal size
    // (too large) and the smallest one (which fits).
    const auto pixelsAt = [&](int step) {
        return std::max(kSmallestPixels, normal - step * kStepPixels);
    };
    int tooLarge = 0;
    int fitting = int(std::ceil((normal - kSmallestPixels) / kStepPixels));
    best = smallest;
    while (fitting - tooLarge > 1) {
        const int step = (tooLarge + fitting) / 2;
        Attempt tried = layOut(pixelsAt(step));
        if (tried.fits) {
            fitting = step;
            best = std::move(tried);
        } else {
            tooLarge = step;
        }
    }
    return best.text;
}

} // namespace textfit
