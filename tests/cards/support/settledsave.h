#pragma once

#include "cardfile/cardencoding.h"

#include <QByteArray>

#include <optional>

// Code page 1251 text that is itself UTF-8 seen as code page 1251 («Р°»,
// «С‚» throughout, as a UTF-8 file opened wrongly shows it) is saved as the
// bytes of that UTF-8 file: a file without a mark cannot tell the two apart,
// and the program reads it as UTF-8, with a notice. `resave` opens a save and
// saves it again (nothing when it cannot); it is called while the reader takes
// the save for UTF-8. The save it ends in, read as code page 1251, is what a
// clerk keeps; nothing when such a save does not open and save again, or when
// a few in a row still read as UTF-8.
template <typename Resave>
std::optional<QByteArray> settledSave(QByteArray saved, const Resave &resave)
{
    for (int readings = 0; cardfile::decodeCard(saved).encoding == cardfile::CardEncoding::Utf8;
         ++readings) {
        std::optional<QByteArray> again = readings < 8 ? resave(saved) : std::nullopt;
        if (!again)
            return std::nullopt;
        saved = std::move(*again);
    }
    return saved;
}
