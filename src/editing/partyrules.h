#pragma once

#include <QString>
#include <QStringList>

class CardControls;
struct PartyKinds;

// The rules every card applies to fields when they are left, over its
// controls by name.
namespace partyrules {

// Shows `messages` one after the other; when there are any, the cursor goes
// back into `control`. Returns whether there were messages.
bool report(CardControls &controls, const QStringList &messages, const QString &control);

// A party's kind box was left: a text that is not one of its items is
// handled by the party's rule (replaced silently, or refused with a message
// and a beep), the number box is asked for when it is empty, and the code
// field and its labels take the look of the kind shown. Returns the kind
// marker now in force ("ю" or "ф").
QString leaveKindBox(CardControls &controls, const PartyKinds &party);

// A party's code field was left: tested against `marker` (nothing is tested
// while it is empty), with the party's messages.
void checkCode(CardControls &controls, const PartyKinds &party, const QString &marker);

} // namespace partyrules
