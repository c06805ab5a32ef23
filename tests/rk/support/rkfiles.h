#pragma once

#include "../../support/cardfiles.h"

#include <QStringList>

// The file of a fresh card saved at once.
QStringList newCardLines();

// A card with every field filled and the given numbers of group entries, as
// the program writes it. Customers alternate legal person and individual.
QStringList fullCardLines(int customers = 5, int coexecutors = 20, int stages = 15);
