#include "cardfile/cardwriter.h"

#include "cardfile/atomicfile.h"
#include "cardfile/codepage.h"
#include "cardfile/codepagetable.h"
#include "cardfile/fileerror.h"
#include "cardfile/piece.h"

namespace cardfile {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Appends `line` with each of its line breaks written as CR LF. Memo texts
// break their lines with LF alone, which is searched for fast; other breaks
// are rare and take the character-by-character way.
void appendWithLineEnds(QString &text, QStringView line)
{
    qsizetype from = 0;
    if (!line.contains(u'\r') && !line.contains(QChar::LineSeparator) &&
        !line.contains(QChar::ParagraphSeparator)) {
        for (qsizetype at = line.indexOf(u'\n'); at >= 0; at = line.indexOf(u'\n', from)) {
            text.append(line.sliced(from, at - from));
            text.append(kLineEnd);
            from = at + 1;
        }
        text.append(line.sliced(from));
        return;
    }
    for (qsizetype at = 0; at < line.size(); ++at) {
        if (!isLineBreak(line[at]))
            continue;
        text.append(line.sliced(from, at - from));
        text.append(kLineEnd);
        if (line[at] == u'\r' && at + 1 < line.size() && line[at + 1] == u'\n')
            ++at;
        from = at + 1;
    }
    text.append(line.sliced(from));
}

// Characters of `line` the code page cannot hold, each once, added to `found`.
void collectRefused(QStringView line, QStringList &found)
{
    qsizetype length = 1;
    for (qsizetype at = 0; at < line.size(); at += length) {
        length = line[at].isHighSurrogate() && at + 1 < line.size() && line[at + 1].isLowSurrogate()
                     ? 2
                     : 1;
        if (line[at].unicode() < 0x80)
            continue;
        const QString character = line.sliced(at, length).toString();
        if (!found.contains(character) && !codepage::canHold(character))
            found.append(character);
    }
}

EncodedCard refusal(const QStringList &lines)
{
    EncodedCard result;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QString line;
        appendWithLineEnds(line, lines[index]);
        if (codepage::canHold(line))
            continue;
        QString code = trimmed(pieceView(line, 1));
        if (code.isEmpty() || code.size() > 4)
            code = QStringLiteral("рядок %1").arg(index + 1);
        if (!result.refusedCodes.contains(code))
            result.refusedCodes.append(code);
        collectRefused(line, result.refusedCharacters);
    }
    return result;
}

// A refused character as the clerk can see it: itself, or its number when it
// shows nothing (a combining mark, a format character, a replacement mark).
QString shownCharacter(const QString &character)
{
    const char32_t c = character.toUcs4().value(0);
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
    case QChar::Other_Control:
    case QChar::Other_NotAssigned:
    case QChar::Other_PrivateUse:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    default:
        return c == 0xFFFD ? QStringLiteral("U+FFFD") : QStringLiteral("«%1»").arg(character);
    }
}

// The first three fields of `codes`, and how many more there are.
QString firstFields(const QStringList &codes)
{
    constexpr qsizetype named = 3;
    const QString first = codes.first(std::min(codes.size(), named)).join(QStringLiteral(", "));
    if (codes.size() <= named)
        return first;
    return QStringLiteral("%1 і ще %2").arg(first).arg(codes.size() - named);
}

QString refusalMessage(const QString &path, const EncodedCard &encoded)
{
    QStringList shown;
    for (const QString &character : encoded.refusedCharacters)
        shown.append(shownCharacter(character));
    const bool oneField = encoded.refusedCodes.size() == 1;
    return QStringLiteral("Файл «%1» не записано: %2 %3 є символи, яких немає в кодуванні "
                          "Windows-1251 (%4). Замініть або вилучіть їх і запишіть картку ще раз.")
        .arg(displayPath(path), oneField ? QStringLiteral("у полі") : QStringLiteral("у полях"),
             firstFields(encoded.refusedCodes), shown.join(QStringLiteral(", ")));
}

} // namespace

EncodedCard encodeCard(const QStringList &lines)
{
    qsizetype length = 2;
    for (const QString &line : lines)
        length += line.size() + 2;
    QString text;
    text.reserve(length);
    for (const QString &line : lines) {
        appendWithLineEnds(text, line);
        text.append(kLineEnd);
    }
    text.append(kLineEnd);

    std::optional<QByteArray> bytes = codepage::table::encodeHeld(text);
    if (!bytes)
        bytes = codepage::encode(text);
    if (!bytes)
        return refusal(lines);
    EncodedCard result;
    result.bytes = std::move(*bytes);
    return result;
}

FileResult writeCardFile(const QString &path, const QStringList &lines)
{
    const EncodedCard encoded = encodeCard(lines);
    if (!encoded.ok())
        return FileResult::failure(refusalMessage(path, encoded));

    return writeFileAtomically(path, encoded.bytes);
}

} // namespace cardfile
