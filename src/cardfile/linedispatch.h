#pragma once

#include "cardfile/cardreader.h"

#include <QString>

#include <functional>

namespace cardfile {

// Applies one field: its code and its whole line (or joined text). Returns a
// message that stops the reading, or an empty string.
using FieldApplier = std::function<QString(const QString &code, const QString &text)>;

// Hands one pass of the reading loop to `apply` in file order: the joined
// multi-line field first (it stands before the line in hand in the file),
// then the line in hand. Stops at the first message and returns it.
QString applyInFileOrder(const CardLine &pass, const FieldApplier &apply);

} // namespace cardfile
