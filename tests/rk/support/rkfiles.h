#pragma once

#include <QByteArray>
#include <QStringList>

// Card files as the receiving side reads them: code page 1251, every line
// ended by CR LF, and one more CR LF at the end.
QByteArray cardBytes(const QStringList &lines);
// The same lines as they stand inside a file (no closing empty line).
QByteArray lineBytes(const QStringList &lines);

// The file of a fresh card saved at once.
QStringList newCardLines();

// A card with every field filled and the given numbers of group entries, as
// the program writes it. Customers alternate legal person and individual.
QStringList fullCardLines(int customers = 5, int coexecutors = 20, int stages = 15);
