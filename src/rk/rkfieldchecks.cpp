// The checks the registration card runs when a field is left.
#include "rk/rkcodelists.h"
#include "rk/rkeditorlogic.h"

#include "cardfile/blankforms.h"
#include "cardfile/fieldchecks.h"
#include "dialogs/dialogs.h"
#include "editing/partyrules.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList kDateFields = {u"ed5418D"_s};
const QStringList kMonthYearFields = {u"ed7353"_s, u"ed7362"_s, u"ed9036p"_s, u"ed9036z"_s};
// Leaving one of these blank skips the rubric boxes after it.
const QStringList kRubricBoxesThatSkip = {u"ed56161"_s, u"ed56162"_s, u"ed56163"_s, u"ed56164"_s,
                                          u"ed56165"_s};

struct PartyFields
{
    Party party;
    QString kindBox;
    QString codeField;
};

const PartyFields kParties[] = {
    {Party::Executor, u"lizv"_s, u"ed2457"_s},
    {Party::Customer, u"lizz"_s, u"ed2458"_s},
    {Party::CoExecutor, u"lizsv"_s, u"cpk"_s},
};

} // namespace

void RkEditorLogic::leaveWithCheck(const QString &control)
{
    const QString text = m_controls.text(control);
    if (kDateFields.contains(control)) {
        report(fieldchecks::checkDate(text), control);
    } else if (kMonthYearFields.contains(control)) {
        report(fieldchecks::checkMonthYear(text), control);
    } else if (control == u"ed5436"_s) {
        report(fieldchecks::checkNumberComplete(text, u"5436"_s), control);
    } else if (control == u"ed7210"_s) {
        report(fieldchecks::checkNumberLetter(text, u"7210"_s), control);
    } else if (control == u"ed5517"_s) {
        // The cancelled number is followed by the basis of the work.
        m_controls.focus(u"ed7146"_s);
    } else if (kRubricBoxesThatSkip.contains(control)) {
        if (text == blankform::date)
            m_controls.focus(u"ed6111"_s);
    } else if (rkCodeList(control)) {
        checkCodeList(control);
    } else if (control == u"mm2151"_s) {
        checkLanguage(Languages::ExecutorName);
    } else if (control == u"mm9027"_s) {
        checkLanguage(Languages::Title);
    } else if (control == u"ed6120"_s) {
        checkLanguage(Languages::HeadName);
    } else {
        for (const PartyFields &party : kParties) {
            if (party.kindBox == control)
                leaveKindBox(party.party);
            else if (party.codeField == control)
                checkPartyCode(party.party);
        }
    }
}

void RkEditorLogic::report(const QStringList &messages, const QString &control)
{
    partyrules::report(m_controls, messages, control);
}

void RkEditorLogic::checkCodeList(const QString &control)
{
    const RkCodeList &list = *rkCodeList(control);
    const QString text = m_controls.text(control);
    using Empty = RkCodeList::Empty;
    if (text.isEmpty() && list.empty == Empty::AcceptedSkipping) {
        m_controls.focus(list.skipTo);
        return;
    }
    bool acceptsEmpty = list.empty == Empty::Accepted;
    if (list.empty == Empty::RefusedOnceCustomerEntered)
        acceptsEmpty = state(Group::Customers).onEnter == 0;
    report(fieldchecks::checkCode(text, {list.accepted, acceptsEmpty, list.message}), control);
}

void RkEditorLogic::leaveKindBox(Party party)
{
    m_markers.at(int(party)) =
        partyrules::leaveKindBox(m_controls, partyKinds(KindCard::RK, party));
}

void RkEditorLogic::checkPartyCode(Party party)
{
    const PartyKinds &kinds = partyKinds(KindCard::RK, party);
    if (party == Party::CoExecutor && m_controls.text(kinds.numberBox).isEmpty()) {
        dialogs().inform(personkind::numberMissing);
        m_controls.focus(kinds.numberBox);
    }
    partyrules::checkCode(m_controls, kinds, m_markers.at(int(party)));
}
