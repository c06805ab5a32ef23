#include "rk/frmrk1.h"

#include "rk/rkcatalogue.h"
#include "rk/rkgroups.h"

#include "app/controltext.h"
#include "app/dialogs.h"
#include "app/focusguard.h"
#include "app/maskedfield.h"
#include "app/pagebuilder.h"
#include "app/radiogroup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Picking an item from these lists marks the card changed without locking
// saving and printing.
const QStringList kClickMarksChanged = {u"lizz"_s, u"ed"_s, u"ed1"_s, u"ed2"_s};

QColor colourOf(LabelColour colour, const QWidget *window)
{
    switch (colour) {
    case LabelColour::Black:
        return Qt::black;
    case LabelColour::Blue:
        return Qt::blue;
    case LabelColour::WindowText:
        break;
    }
    return window->palette().color(QPalette::WindowText);
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

TfrmRK1::TfrmRK1(QWidget *parent)
    : TfrmTemplate(CardKind::RK, u"Реєстраційна карта"_s, QSize(632, 406), 38, parent),
      m_logic(*this)
{
    for (const PageSpec &page : rkPages())
        addPage(page);
    // The line beneath the executor's code label is plain text.
    QLabel *second = label(u"Label57"_s);
    QFont plain = second->font();
    plain.setBold(false);
    second->setFont(plain);
    second->setIndent(64);
    connectRules();
}

TfrmRK1::~TfrmRK1() = default;

void TfrmRK1::connectRules()
{
    FocusGuard &guard = focusGuard();
    for (const PageSpec &page : rkPages()) {
        for (const FieldSpec &field : page.fields) {
            if (field.name.isEmpty())
                continue;
            QWidget *control = widget(field.name);
            const QString name = field.name;
            switch (field.kind) {
            case FieldKind::Button:
                connect(static_cast<QAbstractButton *>(control), &QAbstractButton::clicked, this,
                        [this, name] { m_logic.click(name); });
                break;
            case FieldKind::RadioGroup:
                connect(static_cast<RadioGroup *>(control), &RadioGroup::itemClicked, this,
                        [this, name] { m_logic.languageChosen(name); });
                break;
            default:
                guard.onExit(control, [this, name] { m_logic.leave(name); });
                break;
            }
            if (kClickMarksChanged.contains(name)) {
                connect(static_cast<QComboBox *>(control), &QComboBox::activated, this,
                        [this] { setModified(true); });
            }
        }
    }
    for (const RkGroupSpec &group : rkGroups()) {
        const QString box = group.numberBox;
        guard.onEnter(widget(box), [this, box] { m_logic.enter(box); });
    }
    // Coming onto the page of co-executors and stages starts at the first
    // co-executor's number.
    guard.onEnter(widget(u"TabSheet6"_s), [this] { focus(u"cpn"_s); });
    // The first finance code loses its blanks on every change.
    QWidget *fin = widget(u"fin"_s);
    connect(static_cast<QLineEdit *>(fin), &QLineEdit::textChanged, this,
            [fin] { trimTextOf(fin); });
}

void TfrmRK1::clearCard()
{
    m_logic.clearCard();
}

void TfrmRK1::changeEvent(QEvent *event)
{
    TfrmTemplate::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        // A message box or question of this program takes the activation
        // only for a moment; coming back from it is not a new activation.
        m_leftForDialog = QApplication::activeModalWidget() != nullptr ||
                          qobject_cast<QDialog *>(QApplication::activeWindow()) != nullptr;
        return;
    }
    if (!std::exchange(m_leftForDialog, false))
        windowActivated();
}

void TfrmRK1::windowActivated()
{
    PageControl->setCurrentIndex(0);
    m_logic.showLanguage(RkCardData::Languages::ExecutorName, 0);
    m_logic.showLanguage(RkCardData::Languages::Title, 0);
}

QWidget *TfrmRK1::widget(const QString &name) const
{
    return controls().widget(name);
}

QLabel *TfrmRK1::label(const QString &name) const
{
    return controls().label(name);
}

QString TfrmRK1::text(const QString &control) const
{
    return controls().text(control);
}

void TfrmRK1::setText(const QString &control, const QString &text)
{
    controls().setText(control, text);
}

void TfrmRK1::selectItem(const QString &control, int index)
{
    controls().selectItem(control, index);
}

int TfrmRK1::itemIndex(const QString &radioGroup) const
{
    return controls().itemIndex(radioGroup);
}

void TfrmRK1::setItemIndex(const QString &radioGroup, int index)
{
    controls().setItemIndex(radioGroup, index);
}

void TfrmRK1::focus(const QString &control)
{
    controls().focus(control);
}

void TfrmRK1::showKindLook(const PartyKinds &party, PersonKind kind)
{
    const auto shown = m_looks.constFind(party.codeField);
    if (shown != m_looks.cend() && *shown == kind)
        return;
    m_looks.insert(party.codeField, kind);
    const KindLook &look = party.look(kind);
    const QColor colour = colourOf(look.colour, this);
    QLabel *main = label(party.label);
    main->setText(look.label);
    paint(main, colour);
    if (!party.secondLabel.isEmpty()) {
        QLabel *second = label(party.secondLabel);
        second->setText(look.secondLabel);
        second->setIndent(look.secondLabelLeft);
        paint(second, colour);
    }
    if (!look.alsoColoured.isEmpty())
        paint(label(look.alsoColoured), colour);
    maskedfield::setMask(widget(party.codeField), look.mask);
}
