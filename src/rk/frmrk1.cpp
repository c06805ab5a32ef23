#include "rk/frmrk1.h"
#include "rk/rkprint.h"

#include "rk/rkcatalogue.h"
#include "rk/rkgroups.h"

#include "controls/controltext.h"
#include "controls/radiogroup.h"
#include "dialogs/dialogs.h"
#include "frame/cataloguerules.h"
#include "frame/focusguard.h"
#include "frame/pagebuilder.h"

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

} // namespace

TfrmRK1::TfrmRK1(QWidget *parent)
    : TfrmTemplate(CardKind::RK, u"Реєстраційна карта"_s, QSize(632, 406), 38, parent),
      m_windowControls(controls(), *this), m_logic(m_windowControls),
      m_printing(
          this, [this](SheetSet &sheets) { return fillRkSheets(m_logic, sheets); }, addRkReports)
{
    for (const PageSpec &page : rkPages())
        addPage(page);
    // The line beneath the executor's code label is plain text.
    m_windowControls.showPlain(u"Label57"_s, 64);
    connectRules();
}

TfrmRK1::~TfrmRK1() = default;

void TfrmRK1::connectRules()
{
    FocusGuard &guard = focusGuard();
    CatalogueRules rules;
    rules.leave = [this](const QString &name) { m_logic.leave(name); };
    rules.click = [this](const QString &name) { m_logic.click(name); };
    rules.languageChosen = [this](const QString &name) { m_logic.languageChosen(name); };
    rules.clickMarksChanged = kClickMarksChanged;
    rules.markChanged = [this] { setModified(true); };
    connectCatalogue(this, guard, controls(), rkPages(), rules);
    for (const RkGroupSpec &group : rkGroups()) {
        const QString box = group.numberBox;
        guard.onEnter(widget(box), [this, box] { m_logic.enter(box); });
    }
    // Coming onto the page of co-executors and stages starts at the first
    // co-executor's number.
    guard.onEnter(widget(u"TabSheet6"_s), [this] { controls().focus(u"cpn"_s); });
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
