#include "cardfile/cardreader.h"

#include "cardfile/cardencoding.h"
#include "cardfile/fileerror.h"
#include "cardfile/piece.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <optional>

namespace cardfile {
namespace {

// A continuation ends at a line whose first "\" is its fifth character.
bool isCodedLine(QStringView line)
{
    constexpr qsizetype separatorAt = 4;
    return line.size() > separatorAt && line[separatorAt] == kSeparator &&
           !line.first(separatorAt).contains(kSeparator);
}

// A line of a card: a four-digit field code or the trailer's "reg", then "\".
bool isCardLine(QStringView line)
{
    if (line.startsWith(u"reg\\"))
        return true;
    if (line.size() < 5 || line[4] != kSeparator)
        return false;
    for (qsizetype at = 0; at < 4; ++at)
        if (line[at] < u'0' || line[at] > u'9')
            return false;
    return true;
}

bool holdsCodedLine(const QString &text)
{
    CardLines lines(text);
    while (!lines.atEnd())
        if (isCardLine(lines.next()))
            return true;
    return false;
}

bool listed(const QStringList &codes, QStringView code)
{
    if (code.isEmpty())
        return false;
    for (const QString &listedCode : codes)
        if (listedCode == code)
            return true;
    return false;
}

QStringView codeOf(QStringView line, bool trimCode)
{
    const QStringView code = pieceView(line, 1);
    return trimCode ? trimmedView(code) : code;
}

void appendBlanks(QString &text, qsizetype count)
{
    for (; count > 0; --count)
        text.append(u' ');
}

// A value never ends with blanks: the last value of a line loses them when
// the line is trimmed, so a value that ended with blanks in the middle of a
// line and comes last when the card is written again would change on every
// reading. The code (before the first separator) stays as it stands.
void dropBlanksBeforeValueSeparators(QString &line)
{
    const qsizetype first = line.indexOf(kSeparator);
    if (first < 0)
        return;
    qsizetype at = line.indexOf(kSeparator, first + 1);
    while (at >= 0 && line[at - 1] != u' ')
        at = line.indexOf(kSeparator, at + 1);
    if (at < 0)
        return; // nothing to drop: the line is not copied
    QString kept = line.first(first + 1);
    qsizetype from = first + 1;
    for (; at >= 0; at = line.indexOf(kSeparator, at + 1)) {
        qsizetype end = at;
        while (end > from && line[end - 1] == u' ')
            --end;
        kept += QStringView(line).sliced(from, end - from);
        kept += kSeparator;
        from = at + 1;
    }
    kept += QStringView(line).sliced(from);
    line = std::move(kept);
}

// The loop shared by every card and every source of bytes.
FileResult readLines(CardLines &lines, const CardFormat &format, const LineHandler &handler)
{
    const auto isMultiLine = [&format](QStringView code) {
        return listed(format.multiLineCodes, code);
    };

    QStringView lineCode;    // code of the line in hand
    QStringView currentLine; // the line in hand
    int currentNumber = 0;
    CardLine pass;
    // A multi-line field's first line may be in hand as the look-ahead when the
    // file ends; it is still joined (an empty field) rather than dropped.
    while (!lines.atEnd() || isMultiLine(lineCode)) {
        pass.multiCode.clear();
        pass.joinedText.clear();
        pass.multiLineNumber = 0;

        if (!isMultiLine(lineCode)) {
            currentLine = lines.next();
            currentNumber = lines.lineNumber();
            lineCode = codeOf(currentLine, format.trimCode);
        }
        if (isMultiLine(lineCode)) {
            pass.multiCode = lineCode.toString();
            pass.multiLineNumber = currentNumber;
            std::optional<QStringView> stopLine;
            pass.joinedText = joinContinuation(currentLine, lines, stopLine);
            dropBlanksBeforeValueSeparators(pass.joinedText);
            if (stopLine) {
                // Its code is its first four characters, as they stand.
                currentLine = *stopLine;
                currentNumber = lines.lineNumber();
                lineCode = pieceView(currentLine, 1);
            } else {
                currentLine = {};
                currentNumber = 0;
                lineCode = {};
            }
        }

        pass.line = currentLine.toString();
        dropBlanksBeforeValueSeparators(pass.line);
        pass.lineNumber = currentNumber;
        if (isMultiLine(lineCode)) {
            // Look-ahead that starts the next multi-line field: the next pass
            // joins it and hands it over whole, whatever its piece 2 holds.
            pass.code.clear();
        } else if (pieceView(pass.line, 2).isEmpty() && !listed(format.exemptCodes, lineCode)) {
            // Empty as the handler would get it: a piece 2 of blanks before a
            // separator is empty, as it is once the card is written again.
            lineCode = {};
            pass.code.clear();
        } else {
            pass.code = lineCode.toString();
        }

        const QString stop = handler(pass);
        if (!stop.isEmpty()) {
            FileResult stopped = FileResult::failure(stop);
            stopped.stopped = true;
            return stopped;
        }
    }
    return FileResult::success();
}

} // namespace

CardLines::CardLines(QString text) : m_text(std::move(text)) {}

QStringView CardLines::next()
{
    if (atEnd())
        return {};
    const QStringView text(m_text);
    // A line ends at CR LF, at LF alone or at CR alone.
    qsizetype end = m_position;
    while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
        ++end;
    const QStringView line = text.sliced(m_position, end - m_position);
    m_position = end + 1;
    if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n')
        ++m_position;
    ++m_lineNumber;
    return trimmedView(line);
}

QString joinContinuation(QStringView firstLine, CardLines &lines,
                         std::optional<QStringView> &stopLine)
{
    QString text = firstLine.toString();
    qsizetype pendingBlanks = 0; // empty lines not yet known to be inside the value
    while (!lines.atEnd()) {
        const QStringView line = lines.next();
        if (isCodedLine(line)) {
            // Empty lines at the end of the field would only leave blanks
            // behind its value, which the next reading trims away.
            stopLine = line;
            return text;
        }
        if (line.isEmpty()) {
            ++pendingBlanks;
            continue;
        }
        appendBlanks(text, pendingBlanks + 1);
        text.append(line);
        pendingBlanks = 0;
    }
    stopLine.reset();
    return text;
}

FileResult loadCardBytes(const QByteArray &bytes, const QString &path, LoadedCard &card)
{
    card.path = path;
    card.decoded = decodeCard(bytes);
    if (!holdsCodedLine(card.decoded.text)) {
        const QString file = path.isEmpty() ? QStringLiteral("У файлі")
                                            : QStringLiteral("У файлі «%1»").arg(displayPath(path));
        return FileResult::failure(QStringLiteral("%1 немає жодного рядка картки.").arg(file));
    }
    return FileResult::success();
}

FileResult loadCardFile(const QString &path, LoadedCard &card)
{
    QFile file(path);
    errno = 0;
    // Read whole at once: a buffer in between would only copy the bytes.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        const int systemError = errno;
        return FileResult::failure(
            QStringLiteral("Не вдалося відкрити файл «%1»: %2.")
                .arg(displayPath(path),
                     fileFailureReason(path, FileAccess::Read, systemError, file.errorString())));
    }
    errno = 0;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        const int systemError = errno;
        return FileResult::failure(
            QStringLiteral("Не вдалося прочитати файл «%1»: %2.")
                .arg(displayPath(path),
                     fileFailureReason(path, FileAccess::Read, systemError, file.errorString())));
    }
    file.close();
    return loadCardBytes(bytes, path, card);
}

FileResult readLoadedCard(const LoadedCard &card, const CardFormat &format,
                          const LineHandler &handler)
{
    CardLines lines(card.decoded.text);
    FileResult result = readLines(lines, format, handler);
    result.notice = encodingNotice(card.decoded.encoding, card.path);
    return result;
}

FileResult readCardBytes(const QByteArray &bytes, const CardFormat &format,
                         const LineHandler &handler, const QString &path)
{
    LoadedCard card;
    const FileResult loaded = loadCardBytes(bytes, path, card);
    if (!loaded.ok)
        return loaded;
    return readLoadedCard(card, format, handler);
}

FileResult readCardFile(const QString &path, const CardFormat &format, const LineHandler &handler)
{
    LoadedCard card;
    const FileResult loaded = loadCardFile(path, card);
    if (!loaded.ok)
        return loaded;
    return readLoadedCard(card, format, handler);
}

std::optional<int> wholeNumber(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at] == u' ')
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    if (at == text.size())
        return std::nullopt;
    // Digits beyond the range of int only push the value to its bound.
    constexpr qint64 beyond = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; at < text.size(); ++at) {
        const char16_t c = text[at].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = std::min(value * 10 + (c - u'0'), beyond);
    }
    if (negative)
        return int(std::max(-value, qint64(std::numeric_limits<int>::min())));
    return int(std::min(value, qint64(std::numeric_limits<int>::max())));
}

QString notWholeNumberMessage(QStringView value)
{
    const QString found = trimmedView(value).isEmpty()
                              ? QStringLiteral("порожнє значення")
                              : QStringLiteral("«%1»").arg(shownValue(value));
    return QStringLiteral("стоїть %1 там, де має бути ціле число").arg(found);
}

QString stoppedAt(int lineNumber, QStringView code, const QString &problem)
{
    return QStringLiteral("Картку прочитано не до кінця: у рядку %1 (код %2) %3.")
        .arg(lineNumber)
        .arg(shownValue(code), problem);
}

} // namespace cardfile
