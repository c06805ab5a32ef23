#pragma once

#include "cardfile/cardkind.h"

#include <QStringList>

// The sample cards of every kind, as the program writes them.
// A fresh card saved at once.
QStringList newCardOf(CardKind kind);
// A card with every field filled (see each kind's own support).
QStringList fullCardOf(CardKind kind);
