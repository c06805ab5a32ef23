#include "editing/partyrules.h"

#include "cardfile/editmask.h"
#include "cardfile/fieldchecks.h"
#include "cardfile/personkind.h"
#include "dialogs/dialogs.h"
#include "editing/cardcontrols.h"

namespace partyrules {
namespace {

// The kind whose mask the code field has: its text has a character for
// every position of that mask.
PersonKind kindOfCodeField(const CardControls &controls, const PartyKinds &party)
{
    const qsizetype individualLength = EditMask(party.individual.mask).size();
    return controls.text(party.codeField).size() == individualLength ? PersonKind::Individual
                                                                     : PersonKind::Legal;
}

} // namespace

bool report(CardControls &controls, const QStringList &messages, const QString &control)
{
    for (const QString &message : messages)
        dialogs().inform(message);
    if (!messages.isEmpty())
        controls.focus(control);
    return !messages.isEmpty();
}

QString leaveKindBox(CardControls &controls, const PartyKinds &party)
{
    const QString text = controls.text(party.kindBox);
    const KindSelection selection = selectKind(party, text);
    if (selection.boxText != text)
        controls.setText(party.kindBox, selection.boxText);
    if (!selection.message.isEmpty())
        dialogs().inform(selection.message);
    if (selection.beep)
        dialogs().beep();
    if (selection.refocus)
        controls.focus(party.kindBox);
    if (!party.numberBox.isEmpty() && controls.text(party.numberBox).isEmpty()) {
        dialogs().inform(personkind::numberMissing);
        controls.focus(party.numberBox);
    }
    const PersonKind before = kindOfCodeField(controls, party);
    controls.showKindLook(party, selection.kind);
    if (party.kindChangeEmptiesCode && before != selection.kind)
        controls.setText(party.codeField, QString());
    return personkind::marker(selection.kind);
}

void checkCode(CardControls &controls, const PartyKinds &party, const QString &marker)
{
    report(
        controls,
        fieldchecks::checkOrganisationCode(controls.text(party.codeField), marker, party.fieldCode),
        party.codeField);
}

} // namespace partyrules
