// The checks the accounting card runs when a field is left.
#include "ok/okeditorlogic.h"

#include "cardfile/blankforms.h"
#include "cardfile/fieldchecks.h"
#include "editing/partyrules.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList kDateFields = {u"ed5418D"_s, u"ed5518D"_s};
const QStringList kMonthYearFields = {u"ed9036p"_s, u"ed9036z"_s};
// Leaving one of these blank skips the rubric boxes after it.
const QStringList kRubricBoxesThatSkip = {u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s, u"ed5616d"_s,
                                          u"ed5616e"_s};

// The executor and the owner of the results; the co-executor is a group.
constexpr Party kParties[] = {Party::Executor, Party::Customer};

} // namespace

bool OkEditorLogic::leaveWithCheck(const QString &control)
{
    const QString text = m_controls.text(control);
    if (kDateFields.contains(control)) {
        partyrules::report(m_controls, fieldchecks::checkDate(text), control);
    } else if (kMonthYearFields.contains(control)) {
        partyrules::report(m_controls, fieldchecks::checkMonthYear(text), control);
    } else if (control == u"ed5436"_s || control == u"ed7210"_s) {
        partyrules::report(m_controls, fieldchecks::checkNumberLetter(text, control.mid(2)),
                           control);
    } else if (control == u"ed5437"_s) {
        partyrules::report(m_controls, fieldchecks::checkNumberComplete(text, u"5437"_s), control);
    } else if (kRubricBoxesThatSkip.contains(control)) {
        if (text == blankform::date)
            m_controls.focus(u"ed6111"_s);
    } else if (m_comboItems.contains(control)) {
        checkListItem(control);
    } else {
        for (const Party party : kParties) {
            const PartyKinds &kinds = partyKinds(KindCard::OK, party);
            if (kinds.kindBox == control) {
                setKindMarker(party, partyrules::leaveKindBox(m_controls, kinds));
                return true;
            }
            if (kinds.codeField == control) {
                partyrules::checkCode(m_controls, kinds, kindMarker(party));
                return true;
            }
        }
        return false;
    }
    return true;
}

void OkEditorLogic::checkListItem(const QString &comboBox)
{
    const QStringList &items = m_comboItems.value(comboBox);
    if (items.contains(m_controls.text(comboBox)))
        return;
    m_controls.selectItem(comboBox, 0);
    m_controls.focus(comboBox);
}
