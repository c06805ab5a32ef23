#pragma once

#include "controls/fieldrow.h"

#include <QString>
#include <QStringView>

// The catalogue rows that the registration card (RK) and the accounting card
// (OK) share letter for letter: the same control with the same caption, hint
// and flags. Rows whose texts differ in any way stay with their card.
namespace researchrows {

// The hint of a field that has no help of its own: "Допомоги немає".
extern const QString noHelp;
// The hint of a month-and-year field.
extern const QString hintMonthYear;

// The shared row of the control `name`, e.g. "ed2358"; a name that is not
// shared stops the program (a fault of a catalogue, found by every test).
FieldSpec row(QStringView name);

} // namespace researchrows
