#pragma once

#include "cardfile/cardreader.h"
#include "cardfile/piece.h"

#include <QString>

#include <functional>
#include <optional>

// Helpers of the cards' line handlers.
namespace cardfile {

// Applies one coded line (its code and its whole text); a message (what is
// wrong with the line, a clause such as notWholeNumberMessage() gives) stops
// the reading.
using ApplyLine = std::function<QString(const QString &code, const QString &text)>;

// Applies one pass of the reading loop in file order: the joined multi-line
// field first, then the line in hand. Stops at the first message, which it
// gives as stoppedAt() lays it out, with the number and code of its line.
QString applyInFileOrder(const CardLine &pass, const ApplyLine &apply);

// A piece that has to be a whole number: the number, or the clause that
// stops the reading. `code` is the line's code.
struct PieceNumber
{
    std::optional<int> value;
    QString error;
};
PieceNumber numberPiece(const QString &code, const QString &text);

// Where a line of a three-language text goes: language 0..2 and its text.
using SetLanguageText = std::function<void(int language, const QString &text)>;

// A three-language line: piece 2 the language number 1..3, piece 3 the text.
// A number that is not whole stops the reading; one out of range changes
// nothing. With `olderNameAlone`, a piece 2 longer than one character is the
// Ukrainian text alone, as older files carry it.
QString applyLanguageLine(const QString &code, const Pieces &line, bool olderNameAlone,
                          const SetLanguageText &set);

} // namespace cardfile
