#pragma once

#include <QByteArray>
#include <QStringList>

// Card files as the receiving side reads them: code page 1251, every line
// ended by CR LF, and one more CR LF at the end.
QByteArray cardBytes(const QStringList &lines);
// The same lines as they stand inside a file (no closing empty line).
QByteArray lineBytes(const QStringList &lines);
