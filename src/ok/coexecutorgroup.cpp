#include "ok/coexecutorgroup.h"

#include "cardfile/personkind.h"
#include "cardfile/piece.h"
#include "editing/cardcontrols.h"
#include "editing/partyrules.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kKindBox = u"lizsv"_s;
const QString kCode = u"ed2142k"_s;
const QString kNumber = u"ed2142p"_s;

const PartyKinds &coexecutorKinds()
{
    return partyKinds(KindCard::OK, Party::CoExecutor);
}

// The kind marker of a kind box's text: none for a text outside its items.
QString markerOf(const QString &kindText)
{
    const std::optional<PersonKind> kind = personkind::kindOfItem(kindText);
    return kind ? personkind::marker(*kind) : QString();
}

} // namespace

bool CoexecutorGroup::Entry::holdsValues() const
{
    for (const QString *value : {&code, &city, &name, &address}) {
        if (!value->trimmed().isEmpty())
            return true;
    }
    return false;
}

CoexecutorGroup::CoexecutorGroup() = default;

const QString &CoexecutorGroup::numberBox()
{
    return kNumber;
}

const QStringList &CoexecutorGroup::entryControls()
{
    static const QStringList controls = {kKindBox, kCode, u"mm2142n"_s, u"Ed2142m"_s,
                                         u"ed2142ad"_s};
    return controls;
}

bool CoexecutorGroup::inRoom(int number)
{
    return number >= 1 && number <= kRoom;
}

const CoexecutorGroup::Entry &CoexecutorGroup::entry(int number) const
{
    static const Entry none;
    return inRoom(number) ? m_entries[size_t(number - 1)] : none;
}

QList<int> CoexecutorGroup::numbers() const
{
    QList<int> holding;
    for (int number = 1; number <= kRoom; ++number) {
        if (entry(number).holdsValues())
            holding.append(number);
    }
    return holding;
}

void CoexecutorGroup::store(int number, const Entry &values)
{
    if (inRoom(number))
        m_entries[size_t(number - 1)] = values;
}

void CoexecutorGroup::clear()
{
    m_entries = {};
    m_current = 1;
}

void CoexecutorGroup::update(const std::function<void(Entry &)> &change)
{
    Entry values = entry(m_current);
    change(values);
    store(m_current, values);
}

void CoexecutorGroup::leaveKindBox(CardControls &controls)
{
    partyrules::leaveKindBox(controls, coexecutorKinds());
    const QString kind = controls.text(kKindBox);
    // The code may have been emptied by a change of kind.
    const QString code = controls.text(kCode);
    update([&](Entry &values) {
        values.kind = kind;
        if (!values.code.isEmpty())
            values.code = code;
    });
}

void CoexecutorGroup::leaveCode(CardControls &controls)
{
    const QString kind = controls.text(kKindBox);
    partyrules::checkCode(controls, coexecutorKinds(), markerOf(kind));
    // Stored even when the check has just failed.
    const QString code = controls.text(kCode);
    update([&](Entry &values) {
        values.code = code;
        values.kind = kind;
    });
}

void CoexecutorGroup::leaveValue(CardControls &controls, const QString &control)
{
    const QString text = controls.text(control);
    update([&](Entry &values) {
        if (control == u"mm2142n"_s)
            values.name = text;
        else if (control == u"Ed2142m"_s)
            values.city = text;
        else
            values.address = text;
    });
}

void CoexecutorGroup::next(CardControls &controls)
{
    show(controls, m_current == kRoom ? 1 : m_current + 1, false);
    controls.focus(kKindBox);
}

void CoexecutorGroup::previous(CardControls &controls)
{
    show(controls, std::max(1, m_current - 1), true);
    controls.focus(kKindBox);
}

void CoexecutorGroup::show(CardControls &controls, int number, bool kindAlways)
{
    m_current = number;
    const Entry values = entry(number);
    controls.setText(kNumber, QString::number(number));
    if (kindAlways || !values.kind.isEmpty())
        controls.setText(kKindBox, values.kind);
    controls.showKindLook(coexecutorKinds(), personkind::kindShownBy(controls.text(kKindBox)));
    controls.setText(kCode, values.code);
    controls.setText(u"mm2142n"_s, values.name);
    controls.setText(u"Ed2142m"_s, values.city);
    controls.setText(u"ed2142ad"_s, values.address);
}

QStringList CoexecutorGroup::fileValues() const
{
    QStringList lines;
    for (const int number : numbers()) {
        const Entry values = entry(number);
        const int kind = values.kind.isEmpty() ? 1 : personkind::kindNumber(values.kind);
        lines.append(QStringList{QString::number(number), QString::number(kind), values.code,
                                 values.city, values.name, values.address}
                         .join(cardfile::kSeparator));
    }
    return lines;
}
