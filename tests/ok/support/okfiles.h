#pragma once

#include "../../support/cardfiles.h"

#include <QStringList>

// The file of a fresh accounting card saved at once (executor a legal person).
QStringList newOkCardLines();

// A card with every field filled, three languages everywhere, ten entries in
// each position list and twenty co-executors (alternately legal person and
// individual), as the program writes it.
QStringList fullOkCardLines();
