#pragma once

#include <QByteArray>
#include <QStringList>

// Card files as the receiving side reads them: code page 1251, every line
// ended by CR LF, and one more CR LF at the end.
QByteArray cardBytes(const QStringList &lines);
// The same lines as they stand inside a file (no closing empty line).
QByteArray lineBytes(const QStringList &lines);

// `lines` with the first line that opens with `prefix` replaced by `line`,
// or removed when `line` is empty.
QStringList withLine(QStringList lines, const QString &prefix, const QString &line);
// What "ovrida check" prints for the failures of one control of `card`:
// `where` is the field code and the control's name.
QString checkLines(const QString &card, const QString &where, const QStringList &messages);
