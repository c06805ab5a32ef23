#include "ok/positionlist.h"

#include "app/cardcontrols.h"
#include "app/dialogs.h"
#include "app/partyrules.h"
#include "cardfile/fieldchecks.h"

#include <utility>

PositionList::PositionList(PositionListSpec spec) : m_spec(std::move(spec)) {}

QString PositionList::entry(int position) const
{
    if (position < 1 || position > kPositions)
        return {};
    return m_entries.at(position - 1);
}

void PositionList::setEntry(int position, const QString &value)
{
    if (position >= 1 && position <= kPositions)
        m_entries.at(position - 1) = value;
}

int PositionList::chosenPosition(const CardControls &controls) const
{
    return controls.text(m_spec.spinBox).toInt();
}

void PositionList::positionChosen(CardControls &controls) const
{
    showChosen(controls);
    controls.focus(m_spec.valueField);
}

void PositionList::showChosen(CardControls &controls) const
{
    controls.setText(m_spec.valueField, entry(chosenPosition(controls)));
}

void PositionList::leave(CardControls &controls)
{
    const QString text = controls.text(m_spec.valueField);
    const int position = chosenPosition(controls);
    if (m_spec.accepted.isEmpty()) {
        // A state accounting number: complete, or empty (which empties the
        // position).
        if (!partyrules::report(controls, fieldchecks::checkNumberComplete(text, m_spec.code),
                                m_spec.valueField))
            setEntry(position, text == m_spec.blank ? QString() : text);
        return;
    }
    if (text == m_spec.blank)
        return;
    if (m_spec.accepted.contains(text)) {
        setEntry(position, text);
        return;
    }
    dialogs().inform(m_spec.refusal);
    if (m_spec.refusalEmpties)
        controls.setText(m_spec.valueField, QString());
    else
        controls.focus(m_spec.valueField);
}

QString PositionList::fileValue() const
{
    QString value;
    for (const QString &stored : storedEntries())
        value += stored + QLatin1Char(';');
    return value;
}

QStringList PositionList::storedEntries() const
{
    QStringList stored;
    for (const QString &entry : m_entries) {
        if (!entry.isEmpty())
            stored.append(entry);
    }
    return stored;
}

void PositionList::read(const QString &value)
{
    clear();
    const QStringList parts = value.split(QLatin1Char(';'));
    for (int i = 0; i < parts.size() && i < kPositions; ++i) {
        if (parts.at(i).isEmpty())
            break;
        m_entries.at(i) = parts.at(i);
    }
}
