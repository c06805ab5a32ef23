#pragma once

#include <QByteArray>
#include <QStringList>

// Card files as the receiving side reads them: code page 1251, every line
// ended by CR LF, and one more CR LF at the end.
QByteArray cardBytes(const QStringList &lines);

// The file of a fresh card saved at once.
QStringList newCardLines();
