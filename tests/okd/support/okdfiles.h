#pragma once

#include "../../support/cardfiles.h"

#include <QStringList>

// The file of a fresh card saved at once (73 lines).
QStringList okdNewCardLines();

// A card with every field filled as the program writes it: three languages
// of every name, title and abstract, five organisation blocks, three
// supervisors, four opponents and a registration.
QStringList okdFullCardLines();
