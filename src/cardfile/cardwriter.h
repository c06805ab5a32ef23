#pragma once

#include "cardfile/fileresult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writing a card file: the card builds its lines, this writes them.
namespace cardfile {

// A card's lines turned into the bytes of its file.
struct EncodedCard
{
    // The file's bytes; empty when some text cannot be written.
    QByteArray bytes;
    // Codes of the fields holding characters the code page has no place for,
    // each once, in file order; empty when everything could be encoded.
    QStringList refusedCodes;
    // Those characters, each once, in the order first met.
    QStringList refusedCharacters;

    bool ok() const { return refusedCodes.isEmpty(); }
};

// Encodes `lines` in code page 1251: every line followed by CR LF, then one
// more CR LF. Each element of `lines` is one coded line in file order; a value
// taken from a memo may hold line breaks (LF, CR LF or CR), which are written
// as CR LF, so that it goes on over continuation lines. A character the code
// page cannot hold is never replaced: nothing is encoded and the fields
// (piece 1 of the offending elements) are named instead.
EncodedCard encodeCard(const QStringList &lines);

// Writes `lines` (as encodeCard() lays them out) to `path`, replacing an
// existing file in one step: until the new file is complete and on disk, the
// old one stays byte for byte as it was, also when the write fails. On failure
// the message names the file and the reason, or the fields that hold text the
// code page cannot carry (nothing is written then).
FileResult writeCardFile(const QString &path, const QStringList &lines);

} // namespace cardfile
