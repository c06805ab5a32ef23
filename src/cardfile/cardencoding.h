#pragma once

#include <QByteArray>
#include <QString>

// Which encoding a card file's bytes are in, and its text as the reading loop
// takes it. Card files are written in code page 1251; a file saved as UTF-8
// by some other editor is recognised and read as such.
namespace cardfile {

// How a card file's bytes were taken.
enum class CardEncoding {
    CodePage,       // code page 1251, as the program writes them
    Utf8,           // UTF-8, with or without a byte-order mark
    MarkedCodePage, // a UTF-8 byte-order mark before a body in code page 1251
};

struct DecodedCard
{
    // The file's text. Line ends (CR LF, LF, CR) stand as they were; every
    // other control character is a blank, so that no value read from a card
    // file holds one.
    QString text;
    CardEncoding encoding = CardEncoding::CodePage;
};

// A file is UTF-8 when it starts with the UTF-8 byte-order mark (which is not
// part of the text) followed by valid UTF-8, or when it is valid UTF-8 that
// plainly is Ukrainian text: at least a few Cyrillic letters of today, and
// beyond ASCII only such letters, mostly, and the punctuation of Ukrainian
// texts (« » № — ’ and their like). A mark followed by anything else is left
// out and the rest read as code page 1251. Every other file is code page 1251,
// so that a card the program wrote always reads back as it was written.
DecodedCard decodeCard(const QByteArray &bytes);

// `text` with every control character, line ends included, as a blank: what
// a single-line field may hold.
QString blankedControls(QString text);

// Told once when a card was read otherwise than from plain code page 1251:
// from UTF-8 (it will be saved in code page 1251), or behind a byte-order mark
// that the body does not follow. Empty for plain code page 1251. `path` may be
// empty when the bytes came from no file.
QString encodingNotice(CardEncoding encoding, const QString &path);

} // namespace cardfile
