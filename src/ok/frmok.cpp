#include "ok/frmok.h"

#include "ok/okcatalogue.h"
#include "ok/okprint.h"

#include "controls/memo.h"
#include "controls/radiogroup.h"
#include "dialogs/dialogs.h"
#include "frame/cataloguerules.h"
#include "frame/focusguard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

// Picking an item from these lists marks the card changed without locking
// saving and printing.
const QStringList kClickMarksChanged = {u"cb5013"_s, u"cb5256"_s, u"cb5562"_s, u"cb7344"_s,
                                        u"cb5040"_s, u"cb5715"_s, u"cb7209"_s, u"cb5535"_s,
                                        u"cb5211"_s, u"lizz"_s};

} // namespace

TfrmOK::TfrmOK(QWidget *parent)
    : TfrmTemplate(CardKind::OK, u"Облікова картка НДР І ДКР (ОК)"_s, QSize(626, 406), 37, parent),
      m_windowControls(controls(), *this), m_logic(m_windowControls),
      m_printing(
          this, [this](SheetSet &sheets) { return fillOkSheets(m_logic, sheets); }, addOkReports)
{
    for (const PageSpec &page : okPages())
        addPage(page);
    // The line beneath the executor's code label is plain text.
    m_windowControls.showPlain(u"Label57"_s, 64);
    connectRules();
}

TfrmOK::~TfrmOK() = default;

void TfrmOK::connectRules()
{
    FocusGuard &guard = focusGuard();
    CatalogueRules rules;
    rules.leave = [this](const QString &name) { m_logic.leave(name); };
    rules.click = [this](const QString &name) { m_logic.click(name); };
    rules.languageChosen = [this](const QString &name) { m_logic.languageChosen(name); };
    rules.spinEntered = [this](const QString &name) { m_logic.enter(name); };
    rules.spinChanged = [this](const QString &name) { m_logic.spinChanged(name); };
    rules.clickMarksChanged = kClickMarksChanged;
    rules.markChanged = [this] { setModified(true); };
    connectCatalogue(this, guard, controls(), okPages(), rules);
    guard.onEnter(controls().widget(u"ed2142p"_s), [this] { m_logic.enter(u"ed2142p"_s); });
    auto *abstract = static_cast<Memo *>(controls().widget(u"mm9117"_s));
    connect(abstract, &Memo::textChanged, this, [this] { m_logic.textChanged(u"mm9117"_s); });
}

void TfrmOK::compNil()
{
    m_logic.clearCard();
    menu().print->setEnabled(false);
}

void TfrmOK::showAfterReading()
{
    PageControl->setCurrentIndex(0);
    m_logic.showAfterReading();
}
