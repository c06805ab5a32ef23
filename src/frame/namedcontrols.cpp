#include "frame/namedcontrols.h"

#include "controls/combobox.h"
#include "controls/controltext.h"
#include "controls/radiogroup.h"

#include <QLabel>
#include <QSignalBlocker>

void NamedControls::addAll(QWidget *root)
{
    add(root);
    for (QWidget *named : root->findChildren<QWidget *>())
        add(named);
}

void NamedControls::add(QWidget *widget)
{
    if (!widget->objectName().isEmpty())
        m_named.insert(widget->objectName(), widget);
}

QWidget *NamedControls::widget(const QString &name) const
{
    QWidget *found = m_named.value(name);
    Q_ASSERT_X(found, "NamedControls", qPrintable(name));
    return found;
}

QLabel *NamedControls::label(const QString &name) const
{
    QLabel *found = qobject_cast<QLabel *>(m_named.value(name));
    Q_ASSERT_X(found, "NamedControls", qPrintable(name));
    return found;
}

QString NamedControls::text(const QString &control) const
{
    QWidget *found = widget(control);
    if (m_deferred) {
        if (const std::optional<QString> held = m_deferred->held(found))
            return *held;
    }
    return textOf(found);
}

void NamedControls::setText(const QString &control, const QString &text)
{
    QWidget *found = widget(control);
    if (!m_deferred || !m_deferred->hold(found, text))
        setTextOf(found, text);
}

void NamedControls::selectItem(const QString &control, int index)
{
    auto *box = static_cast<ComboBox *>(widget(control));
    box->setText(index >= 0 && index < box->count() ? box->itemText(index) : QString());
}

int NamedControls::itemIndex(const QString &radioGroup) const
{
    return static_cast<RadioGroup *>(widget(radioGroup))->itemIndex();
}

void NamedControls::setItemIndex(const QString &radioGroup, int index)
{
    // The rules show the chosen language's text themselves.
    auto *group = static_cast<RadioGroup *>(widget(radioGroup));
    const QSignalBlocker quiet(group);
    group->setItemIndex(index);
}

void NamedControls::focus(const QString &control)
{
    widget(control)->setFocus(Qt::OtherFocusReason);
}

void NamedControls::holdEditTexts()
{
    m_deferred.emplace();
}

void NamedControls::releaseEditTexts()
{
    m_deferred.reset();
}
