#pragma once

#include <QByteArray>
#include <QStringList>

// Dissertation card files for tests and benchmarks: code page 1251, every
// line ended by CR LF, and one more CR LF at the end.
QByteArray okdCardBytes(const QStringList &lines);

// The file of a fresh card saved at once (73 lines).
QStringList okdNewCardLines();

// A card with every field filled as the program writes it: three languages
// of every name, title and abstract, five organisation blocks, three
// supervisors, four opponents and a registration.
QStringList okdFullCardLines();
