#include "controls/radiogroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, int columns,
                       QWidget *parent)
    : QGroupBox(caption, parent), m_buttons(new QButtonGroup(this))
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    // Items fill the columns one after the other, top to bottom.
    const int perColumn = int((items.size() + qMax(columns, 1) - 1) / qMax(columns, 1));
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        m_buttons->addButton(button, i);
        grid->addWidget(button, i % qMax(perColumn, 1), i / qMax(perColumn, 1));
    }
    connect(m_buttons, &QButtonGroup::idToggled, this, &RadioGroup::buttonToggled);
}

int RadioGroup::count() const
{
    return int(m_buttons->buttons().size());
}

QRadioButton *RadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton *>(m_buttons->button(index));
}

void RadioGroup::setItemIndex(int index)
{
    if (index < -1 || index >= count() || index == m_index)
        return;
    if (index >= 0) {
        button(index)->setChecked(true); // runs itemClicked through buttonToggled
        return;
    }
    m_buttons->setExclusive(false);
    button(m_index)->setChecked(false);
    m_buttons->setExclusive(true);
}

void RadioGroup::buttonToggled(int id, bool checked)
{
    if (checked) {
        m_index = id;
        emit itemClicked(id);
    } else if (id == m_index && !m_buttons->checkedButton()) {
        m_index = -1;
        emit itemClicked(-1);
    }
}
