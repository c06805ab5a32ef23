#pragma once

#include <QByteArray>
#include <QString>

// Which encoding a card file's bytes are in, and its text as the reading loop
// takes it. Card files are written in code page 1251; a file saved as UTF-8
// by some other editor is recognised and read as such.
namespace cardfile {

struct DecodedCard
{
    // The file's text. Line ends (CR LF, LF, CR) stand as they were; every
    // other control character is a blank, so that no value read from a card
    // file holds one.
    QString text;
    // Whether the bytes were taken as UTF-8.
    bool utf8 = false;
};

// A file is UTF-8 when it starts with the UTF-8 byte-order mark (which is not
// part of the text), or when it is valid UTF-8 whose characters beyond ASCII
// include Cyrillic letters and are all Cyrillic letters or the punctuation of
// Ukrainian texts (« » № — ’ and their like). Anything else is code page 1251.
DecodedCard decodeCard(const QByteArray &bytes);

// `text` with every control character, line ends included, as a blank: what
// a single-line field may hold.
QString blankedControls(QString text);

// Told once when a card was read from UTF-8: it will be saved in code page
// 1251. `path` may be empty when the bytes came from no file.
QString utf8Notice(const QString &path);

} // namespace cardfile
