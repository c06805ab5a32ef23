#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// Fast paths for whole card files: the same results as codepage::decode and
// codepage::encode, by tables the codec fills once, without a converter call
// per character. Internal to the card file code.
namespace codepage::table {

// Exactly codepage::decode(bytes).
QString decode(const QByteArray &bytes);
// Exactly codepage::encode(text) when every character of `text` is one of the
// 256 the code page holds; nothing otherwise (codepage::encode then decides).
std::optional<QByteArray> encodeHeld(QStringView text);
// Whether every character of `text` is one of the 256 the code page holds;
// false also when the tables could not be built.
bool holdsAll(QStringView text);

} // namespace codepage::table
