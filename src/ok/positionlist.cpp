#include "ok/positionlist.h"

#include "cardfile/fieldchecks.h"
#include "dialogs/dialogs.h"
#include "editing/cardcontrols.h"
#include "editing/partyrules.h"

#include <utility>

PositionList::PositionList(PositionListLayout layout) : m_layout(std::move(layout)) {}

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
    return controls.text(m_layout.spinBox).toInt();
}

void PositionList::positionChosen(CardControls &controls) const
{
    showChosen(controls);
    controls.focus(m_layout.valueField);
}

void PositionList::showChosen(CardControls &controls) const
{
    controls.setText(m_layout.valueField, entry(chosenPosition(controls)));
}

void PositionList::leave(CardControls &controls)
{
    const QString text = controls.text(m_layout.valueField);
    const int position = chosenPosition(controls);
    if (m_layout.accepted.isEmpty()) {
        // A state accounting number: complete, or empty (which empties the
        // position).
        if (!partyrules::report(controls, fieldchecks::checkNumberComplete(text, m_layout.code),
                                m_layout.valueField))
            setEntry(position, text == m_layout.blank ? QString() : text);
        return;
    }
    if (text == m_layout.blank)
        return;
    if (m_layout.accepted.contains(text)) {
        setEntry(position, text);
        return;
    }
    dialogs().inform(m_layout.refusal);
    if (m_layout.refusalEmpties)
        controls.setText(m_layout.valueField, QString());
    else
        controls.focus(m_layout.valueField);
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
