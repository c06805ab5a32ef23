#pragma once

#include "controls/fieldrow.h"

#include <QList>
#include <QString>

// The registration card's pages and every control on them, in page order and,
// within a page, in tab order.
const QList<PageSpec> &rkPages();

// Hint texts the window uses besides the catalogue (lines joined by "\n\r").
namespace rkhint {
extern const QString &noHelp;       // "Допомоги немає"
extern const QString setAtRegistry; // filled in when the card is registered
extern const QString finance;       // the three source codes of the finance rows
} // namespace rkhint
