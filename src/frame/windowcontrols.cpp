#include "frame/windowcontrols.h"

#include "controls/maskedfield.h"
#include "frame/namedcontrols.h"

#include <QLabel>

namespace {

QColor colourOf(LabelColour colour, const QWidget &window)
{
    switch (colour) {
    case LabelColour::Black:
        return Qt::black;
    case LabelColour::Blue:
        return Qt::blue;
    case LabelColour::WindowText:
        break;
    }
    return window.palette().color(QPalette::WindowText);
}

void paint(QLabel *label, const QColor &colour)
{
    if (label->palette().color(QPalette::WindowText) == colour)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

WindowControls::WindowControls(NamedControls &named, const QWidget &window)
    : m_named(named), m_window(window)
{}

QString WindowControls::text(const QString &control) const
{
    return m_named.text(control);
}

void WindowControls::setText(const QString &control, const QString &text)
{
    m_named.setText(control, text);
}

void WindowControls::selectItem(const QString &control, int index)
{
    m_named.selectItem(control, index);
}

int WindowControls::itemIndex(const QString &radioGroup) const
{
    return m_named.itemIndex(radioGroup);
}

void WindowControls::setItemIndex(const QString &radioGroup, int index)
{
    m_named.setItemIndex(radioGroup, index);
}

void WindowControls::focus(const QString &control)
{
    m_named.focus(control);
}

void WindowControls::showKindLook(const PartyKinds &party, PersonKind kind)
{
    const auto shown = m_looks.constFind(party.codeField);
    if (shown != m_looks.cend() && *shown == kind)
        return;
    m_looks.insert(party.codeField, kind);
    const KindLook &look = party.look(kind);
    const QColor colour = colourOf(look.colour, m_window);
    QLabel *main = m_named.label(party.label);
    main->setText(look.label);
    paint(main, colour);
    if (!party.secondLabel.isEmpty()) {
        QLabel *second = m_named.label(party.secondLabel);
        second->setText(look.secondLabel);
        second->setIndent(look.secondLabelLeft);
        paint(second, colour);
    }
    if (!look.alsoColoured.isEmpty())
        paint(m_named.label(look.alsoColoured), colour);
    maskedfield::setMask(m_named.widget(party.codeField), look.mask);
}

void WindowControls::showPlain(const QString &name, int indent)
{
    QLabel *label = m_named.label(name);
    QFont plain = label->font();
    plain.setBold(false);
    label->setFont(plain);
    label->setIndent(indent);
}
