#pragma once

// The cardfile folder: card files themselves, read and written line by line,
// their code page and edit masks, the field checks and what a card kind is.
// QtCore only; it uses no other folder.

#include "cardfile/cardencoding.h"
#include "cardfile/fileresult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

// Reading a card file: one loop for every card, parameterised by the card's
// CardFormat and its line handler.
namespace cardfile {

// What tells one card's files from another's for the reading loop.
struct CardFormat
{
    // Codes whose value may go on over the following physical lines
    // (RK: 2151, 2152, 9027, 9126, 9153, 9036; OKD: 9045, 9118).
    QStringList multiLineCodes;
    // Codes whose line is applied even when its piece 2 is empty
    // (RK: 2394, 5418, 2655, 2656 and the finance rows; OK: 2394, 2395;
    // OKD: none).
    QStringList exemptCodes;
    // Whether the code (piece 1 of a line read as a new line) has its blanks
    // removed before it is compared. OKD compares it as it stands.
    bool trimCode = true;
};

// One pass of the reading loop, as the card's line handler receives it.
// The physical lines of the file are trimmed before they are used, and no
// value (piece 2 onwards) ends with a blank.
struct CardLine
{
    // Code of the line in hand. Empty when the line is to be ignored: its
    // piece 2 is empty (and the code is not exempt), there is no line (the
    // file ended inside a multi-line field), or the line starts a multi-line
    // field, which the next pass hands over whole as `multiCode`.
    QString code;
    // The line in hand (currentLine), trimmed.
    QString line;
    // Number of that line in the file, counted from 1 (0 when there is none).
    int lineNumber = 0;
    // Code of the multi-line field joined in this pass, or empty.
    QString multiCode;
    // The field's lines joined with one blank between them, starting with its
    // code and separator: "9126\first second".
    QString joinedText;
    // Number of the field's first line in the file (0 when none was joined).
    int multiLineNumber = 0;
};

// The card's line handler, called once per pass. The joined field stands
// before the line in hand in the file, so a handler that cares about order
// applies `multiCode` first and `code` second. Codes without a rule are
// ignored. It returns an empty string to let the reading go on, or a message
// for the clerk that stops it (see stoppedAt()); what was applied before
// stays applied.
using LineHandler = std::function<QString(const CardLine &)>;

// The physical lines of a decoded card text, handed out one at a time and
// trimmed. A line ends at CR LF, at LF alone or at CR alone.
class CardLines
{
public:
    explicit CardLines(QString text);

    bool atEnd() const { return m_position >= m_text.size(); }
    // The next line, trimmed; a view into the text this object holds.
    QStringView next();
    // Number of the line next() last returned, counted from 1.
    int lineNumber() const { return m_lineNumber; }

private:
    QString m_text;
    qsizetype m_position = 0;
    int m_lineNumber = 0;
};

// Joins the continuation lines of a multi-line field. The text starts as
// `firstLine`; every following line is trimmed and appended after one blank,
// until a line whose first "\" is its fifth character (a four-character code
// and the separator). That line is returned in `stopLine`. When the file ends
// first, `stopLine` is empty and the text is what was joined. Empty lines
// inside the value give their blanks; empty lines at its end add nothing, so
// the value never ends with a blank.
QString joinContinuation(QStringView firstLine, CardLines &lines,
                         std::optional<QStringView> &stopLine);

// A card file read into memory and decoded, before any card is touched, so
// that a file which cannot be read, or is no card, leaves the card as it was.
struct LoadedCard
{
    QString path;
    DecodedCard decoded;
};

// Reads the card file at `path` (code page 1251, or UTF-8 when it plainly is,
// see decodeCard()) into `card`. Fails with a message naming the file and the
// reason when it cannot be opened or read, or when it holds no coded line at
// all (a line that starts with a four-digit code or "reg" and "\"): such a
// file is no card.
FileResult loadCardFile(const QString &path, LoadedCard &card);
// The same for the bytes of a card file held in memory; `path` only names the
// file in messages.
FileResult loadCardBytes(const QByteArray &bytes, const QString &path, LoadedCard &card);

// Hands the lines of a loaded card to `handler`. Fails with the handler's
// message when it stops. A card read otherwise than from plain code page 1251
// carries a notice for the clerk, also when the reading stopped.
FileResult readLoadedCard(const LoadedCard &card, const CardFormat &format,
                          const LineHandler &handler);

// Loads the card file at `path` and reads it (loadCardFile(), then
// readLoadedCard()).
FileResult readCardFile(const QString &path, const CardFormat &format, const LineHandler &handler);
// The same loop over the bytes of a card file held in memory; `path` only
// names the file in messages.
FileResult readCardBytes(const QByteArray &bytes, const CardFormat &format,
                         const LineHandler &handler, const QString &path = {});

// The whole number `text` holds: leading blanks, an optional sign and decimal
// digits, nothing after them. Else nothing. A number beyond the range of int
// gives the nearest bound of that range, which lies outside every range a
// card accepts, so that it is ignored like any number out of range.
std::optional<int> wholeNumber(QStringView text);
// What is wrong with a piece that must be a whole number and is not: the
// value found ("порожнє значення" when there is none), as a clause for
// stoppedAt().
QString notWholeNumberMessage(QStringView value);
// The message that stops the reading at line `lineNumber` with the code
// `code` for the reason `problem` (a clause such as notWholeNumberMessage()
// gives). What this means for the card is said where it is read (see
// FileResult::stopped).
QString stoppedAt(int lineNumber, QStringView code, const QString &problem);

} // namespace cardfile
