#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Card files and printed texts use the single-byte Windows Cyrillic code page.
namespace codepage {

QString decode(const QByteArray &bytes);
// The bytes of `text`, or nothing when some character has no place in the
// code page (it would otherwise be written silently as something else).
std::optional<QByteArray> encode(const QString &text);
// Whether every character of `text` has a place in the code page.
bool canHold(const QString &text);
// Whether `text` may stand in a data field: the code page holds it and it has
// no "\", which the card file would take for a value separator.
bool canCarry(const QString &text);

} // namespace codepage
