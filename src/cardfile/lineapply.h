#pragma once

#include "cardfile/cardreader.h"

#include <QString>

#include <functional>
#include <optional>

// Helpers of the cards' line handlers.
namespace cardfile {

// Applies one coded line (its code and its whole text); a message stops the
// reading.
using ApplyLine = std::function<QString(const QString &code, const QString &text)>;

// Applies one pass of the reading loop in file order: the joined multi-line
// field first, then the line in hand. Stops at the first message.
QString applyInFileOrder(const CardLine &pass, const ApplyLine &apply);

// A piece that has to be a whole number: the number, or the message that
// stops the reading.
struct PieceNumber
{
    std::optional<int> value;
    QString error;
};
PieceNumber numberPiece(const QString &code, const QString &text);

} // namespace cardfile
