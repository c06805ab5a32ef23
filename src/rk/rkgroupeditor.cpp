// The repeating groups of the registration card behind their number boxes:
// storing an entry when one of its fields is left, choosing an entry by its
// number, deleting one by emptying the box, and the step buttons.
#include "rk/rkeditorlogic.h"

#include "cardfile/cardreader.h"
#include "cardfile/fileerror.h"
#include "cardfile/piece.h"
#include "dialogs/dialogs.h"

using namespace Qt::StringLiterals;

namespace {

using Group = RkCardData::Group;

std::optional<Party> partyOf(Group which)
{
    switch (which) {
    case Group::Customers:
        return Party::Customer;
    case Group::Coexecutors:
        return Party::CoExecutor;
    case Group::Stages:
        break;
    }
    return std::nullopt;
}

} // namespace

void RkEditorLogic::leaveGroupField(const QString &control)
{
    for (const RkGroupSpec &layout : rkGroups()) {
        if (layout.numberBox == control) {
            leaveNumberBox(layout.group);
        } else if (layout.storingFields.contains(control)) {
            // Leaving the co-executor's code without its number has asked
            // for the number already.
            if (control == u"cpk"_s && m_controls.text(layout.numberBox).trimmed().isEmpty())
                return;
            const bool stored = store(layout.group);
            if (control == u"cpa"_s) {
                m_controls.focus(layout.nextButton);
            } else if (control == u"mm9036"_s && stored) {
                m_controls.setText(layout.numberBox, QString::number(state(layout.group).current));
                m_controls.focus(layout.nextButton);
            }
        }
    }
}

std::optional<int> RkEditorLogic::numberIn(const QString &numberBox)
{
    const QString text = m_controls.text(numberBox).trimmed();
    const std::optional<int> number = cardfile::wholeNumber(text);
    if (!number) {
        dialogs().inform(text.isEmpty() ? personkind::numberMissing
                                        : u"Порядковий номер «%1» не є цілим числом."_s.arg(
                                              cardfile::shownValue(text)));
    }
    return number;
}

bool RkEditorLogic::store(Group which)
{
    const RkGroupSpec &layout = rkGroup(which);
    const std::optional<int> number = numberIn(layout.numberBox);
    if (!number)
        return false;
    GroupState &group = state(which);
    group.current = *number;
    QString kindNumber;
    if (!layout.kindBox.isEmpty())
        kindNumber = QString::number(personkind::kindNumber(m_controls.text(layout.kindBox)));
    const RkEntry entry = rkEntryFromControls(*this, layout, kindNumber);
    group.entries.store(*number, entry.display, entry.file);
    return true;
}

void RkEditorLogic::enterNumberBox(Group which)
{
    const RkGroupSpec &layout = rkGroup(which);
    GroupState &group = state(which);
    group.onEnter = group.current;
    if (group.current > layout.limit) {
        backWithinLimit(which);
        m_controls.focus(layout.nextSection);
    }
}

void RkEditorLogic::backWithinLimit(Group which)
{
    const RkGroupSpec &layout = rkGroup(which);
    GroupState &group = state(which);
    dialogs().inform(layout.limitMessage);
    const int number = group.entries.nearestWithinLimit(group.current);
    group.current = number;
    group.onEnter = number;
    emptyValueFields(which);
    if (group.entries.exists(number))
        showEntry(which, number);
    m_controls.setText(layout.numberBox, QString::number(number));
}

void RkEditorLogic::leaveNumberBox(Group which)
{
    const RkGroupSpec &layout = rkGroup(which);
    GroupState &group = state(which);
    const QString text = m_controls.text(layout.numberBox).trimmed();
    m_controls.setText(layout.numberBox, text);

    if (text.isEmpty() && group.onEnter != 0) {
        deleteEntry(which, group.onEnter);
        m_controls.focus(layout.numberBox);
        if (!group.entries.exists(1))
            group.onEnter = 0;
    }

    if (m_controls.text(layout.numberBox).isEmpty()) {
        emptyValueFields(which);
        if (group.onEnter == 0)
            m_controls.focus(layout.nextSection);
        return;
    }
    const std::optional<int> number = numberIn(layout.numberBox);
    if (!number) {
        m_controls.focus(layout.numberBox);
        return;
    }
    group.current = *number;
    if (!group.entries.withinLimit(*number)) {
        backWithinLimit(which);
        return;
    }
    if (group.entries.exists(*number))
        showEntry(which, *number);
}

void RkEditorLogic::deleteEntry(Group which, int number)
{
    const RkGroupSpec &layout = rkGroup(which);
    GroupState &group = state(which);
    const int formerLast = group.entries.remove(number);
    group.onEnter = formerLast != 0 ? formerLast : number;

    // The code field follows the kind of the last entry moved down.
    const std::optional<Party> party = partyOf(which);
    if (party && formerLast > number) {
        const QString kindText = cardfile::piece(group.entries.entry(formerLast - 1), 2);
        showPartyKind(*party, personkind::kindShownBy(kindText));
    }

    if (group.onEnter >= 2) {
        m_controls.setText(layout.numberBox, QString::number(group.onEnter - 1));
    } else {
        group.onEnter = 0;
        emptyValueFields(which);
    }
}

void RkEditorLogic::step(Group which, int by)
{
    const RkGroupSpec &layout = rkGroup(which);
    const std::optional<int> number = numberIn(layout.numberBox);
    if (!number || (by < 0 && *number <= 1))
        return;
    const int next = *number + by;
    state(which).current = next;
    emptyValueFields(which);
    if (state(which).entries.exists(next))
        showEntry(which, next);
    m_controls.setText(layout.numberBox, QString::number(next));
    m_controls.focus(layout.numberBox);
}

void RkEditorLogic::showEntry(Group which, int number)
{
    const RkGroupSpec &layout = rkGroup(which);
    const cardfile::Pieces entry(state(which).entries.entry(number));
    // The kind comes first, so that the code is shown on its own mask.
    if (const std::optional<Party> party = partyOf(which)) {
        const PersonKind kind = personkind::kindShownBy(entry.at(2));
        showPartyKind(*party, kind);
        m_markers.at(int(*party)) = personkind::marker(kind);
    }
    for (int value = 0; value < layout.valueFields.size(); ++value)
        m_controls.setText(layout.valueFields.at(value), entry.at(value + 2));
}

void RkEditorLogic::emptyValueFields(Group which)
{
    const RkGroupSpec &layout = rkGroup(which);
    for (const QString &field : layout.valueFields) {
        // The kind box keeps its kind, so that a new entry never goes
        // without one.
        if (field != layout.kindBox)
            m_controls.setText(field, QString());
    }
}
