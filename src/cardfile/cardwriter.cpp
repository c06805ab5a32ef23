#include "cardfile/cardwriter.h"

#include "cardfile/codepage.h"
#include "cardfile/codepagetable.h"
#include "cardfile/fileerror.h"
#include "cardfile/piece.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <unistd.h>

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

QString refusalMessage(const QString &path, const EncodedCard &encoded)
{
    QStringList shown;
    for (const QString &character : encoded.refusedCharacters)
        shown.append(QStringLiteral("«%1»").arg(character));
    const bool oneField = encoded.refusedCodes.size() == 1;
    return QStringLiteral("Файл «%1» не записано: %2 %3 є символи, яких немає в кодуванні "
                          "Windows-1251 (%4). Замініть або вилучіть їх і запишіть картку ще раз.")
        .arg(displayPath(path), oneField ? QStringLiteral("у полі") : QStringLiteral("у полях"),
             encoded.refusedCodes.join(QStringLiteral(", ")), shown.join(QStringLiteral(", ")));
}

FileResult writeFailure(const QString &path, bool existed, int systemError, const QString &qtError)
{
    QString message = QStringLiteral("Не вдалося записати файл «%1»: %2.")
                          .arg(displayPath(path),
                               fileFailureReason(path, FileAccess::Write, systemError, qtError));
    if (existed)
        message += QStringLiteral(" Файл, що вже був на диску, залишився без змін.");
    return FileResult::failure(message);
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

    const bool existed = QFileInfo(path).isFile();
    QSaveFile file(path);
    const auto failed = [&](int systemError) {
        const QString qtError = file.errorString();
        file.cancelWriting();
        return writeFailure(path, existed, systemError, qtError);
    };
    // Unbuffered, so that a full disk or a size limit shows at the write
    // itself; a buffered write only fills memory and fails when the file is
    // committed, where the failure would go unnoticed.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(errno);
    errno = 0;
    if (file.write(encoded.bytes) != encoded.bytes.size())
        return failed(errno ? errno : EIO);
    // What the file system still holds back must reach the disk before the
    // new file replaces the old one.
    errno = 0;
    if (!file.flush() || ::fsync(file.handle()) != 0)
        return failed(errno ? errno : EIO);
    errno = 0;
    if (file.error() != QFileDevice::NoError || !file.commit()) {
        const int systemError = errno;
        return writeFailure(path, existed, systemError, file.errorString());
    }
    return FileResult::success();
}

} // namespace cardfile
