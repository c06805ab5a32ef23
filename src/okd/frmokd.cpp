#include "okd/frmokd.h"

#include "okd/okdcatalogue.h"
#include "okd/okddocument.h"
#include "okd/okdprint.h"
#include "okd/organisationblocks.h"

#include "controls/lineedit.h"
#include "controls/radiogroup.h"
#include "dialogs/dialogs.h"
#include "frame/editorcommands.h"
#include "frame/editorwindow.h"
#include "frame/fieldwiring.h"
#include "frame/focusguard.h"
#include "frame/help.h"
#include "frame/hinttiming.h"
#include "frame/inputgate.h"
#include "frame/pagebuilder.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The window is 597 x 431 with its frame, caption and menu; this is the
// room below the menu: the pages (345 high) and the panel.
constexpr QSize kClientSize(589, 383);
constexpr int kPagesHeight = 345;

} // namespace

TpfrmOkd::TpfrmOkd(QWidget *parent)
    : QMainWindow(parent), m_guard(new FocusGuard(this)), m_gate(new InputGate(this)),
      m_windowControls(m_controls, *this), m_logic(m_windowControls),
      m_printing(
          this,
          [this](SheetSet &sheets) { return OkdDocument::fillSheets(m_logic, sheets, contSheets); },
          [this](CompositeReport &report, const SheetSet &sheets) {
              addOkdReports(report, sheets, contSheets);
          })
{
    // Before any control exists: the first editor of the program installs
    // the hint style, which every existing widget would otherwise be polished
    // for again.
    setHintTiming(500, 5500);
    setEditorFont(this);
    setWindowTitle(u"Облікова картка дисертації (ОКД)"_s);
    auto *client = new QWidget(this);
    setCentralWidget(client);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    pc1 = new QTabWidget(client);
    pc1->setObjectName(u"pc1"_s);
    pc1->tabBar()->setFocusPolicy(Qt::NoFocus);
    m_guard->guardPages(pc1);
    column->addWidget(pc1, 1);
    buildPanel();
    column->addWidget(Panel1);

    const FieldWiring wiring = editorWiring(*m_gate, *m_guard);
    for (const PageSpec &layout : okdPages()) {
        CardPage *page = buildPage(layout, wiring, pc1);
        pc1->addTab(page, layout.caption);
        chainPanelAfterPage(page, {BitBtn3, BitBtn4, BitBtn1});
        m_controls.addAll(page);
    }

    m_menu = buildEditorMenu(menuBar(), editorMenuSpec(CardKind::OKD));
    m_gate->setActions(m_menu.saveAs, m_menu.print);
    connectCommands();
    connectRules();
    m_logic.itemChosen(u"RadioGroup1"_s);

    prepareEditorWindow(this, kClientSize);
}

TpfrmOkd::~TpfrmOkd()
{
    m_guard->setEnabled(false);
}

void TpfrmOkd::buildPanel()
{
    Panel1 = new QWidget(centralWidget());
    Panel1->setObjectName(u"Panel1"_s);
    BitBtn1 = makeEndOfInputButton(Panel1, u"BitBtn1"_s);
    BitBtn3 = makeStepButton(Panel1, u"BitBtn3"_s, false);
    BitBtn4 = makeStepButton(Panel1, u"BitBtn4"_s, true);
    layOutEditorPanel(Panel1, kClientSize.height() - kPagesHeight, BitBtn1, BitBtn3, BitBtn4);
    QWidget::setTabOrder(BitBtn3, BitBtn4);
    QWidget::setTabOrder(BitBtn4, BitBtn1);
    for (QPushButton *button : {BitBtn1, BitBtn3, BitBtn4}) {
        m_guard->guardClicks(button);
        m_controls.add(button);
    }
}

void TpfrmOkd::connectCommands()
{
    connect(BitBtn1, &QPushButton::clicked, this, &TpfrmOkd::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TpfrmOkd::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TpfrmOkd::BitBtn4Click);
    connect(m_menu.newCard, &QAction::triggered, this, &TpfrmOkd::New1Click);
    connect(m_menu.open, &QAction::triggered, this, [this] { open(); });
    connect(m_menu.saveAs, &QAction::triggered, this, [this] { saveAs(); });
    connect(m_menu.print, &QAction::triggered, this, &TpfrmOkd::Print1Click);
    connect(m_menu.exit, &QAction::triggered, this, &TpfrmOkd::Exit1Click);
    connect(m_menu.help, &QAction::triggered, this, &TpfrmOkd::N3Click);
}

void TpfrmOkd::applyScreenLooks()
{
    for (const OkdFont &look : okdFonts()) {
        QWidget *widget = m_controls.widget(look.name);
        QFont font = widget->font();
        font.setBold(look.bold);
        if (look.points > 0)
            font.setPointSize(look.points);
        widget->setFont(font);
    }
    for (const OkdFixedSize &size : okdFixedSizes())
        m_controls.widget(size.name)->setFixedSize(size.width, size.height);
}

bool TpfrmOkd::isModified() const
{
    return m_gate->isModified();
}

void TpfrmOkd::setModified(bool modified)
{
    m_gate->setModified(modified);
}

void TpfrmOkd::BitBtn1Click()
{
    m_gate->endInput();
}

void TpfrmOkd::BitBtn3Click()
{
    stepPage(pc1, -1);
}

void TpfrmOkd::BitBtn4Click()
{
    stepPage(pc1, 1);
}

void TpfrmOkd::New1Click()
{
    renewEditor(this, *this);
}

void TpfrmOkd::Exit1Click()
{
    leaveEditor(this, *this);
}

void TpfrmOkd::N3Click()
{
    openHelp();
}

void TpfrmOkd::compNil()
{
    m_logic.clearCard();
}

void TpfrmOkd::Print1Click()
{
    m_printing.preview(pdfNameFor(cardKind(), m_cardFile));
}

bool TpfrmOkd::printToPdf(const QString &path)
{
    return m_printing.printToPdf(path);
}

void TpfrmOkd::closeEvent(QCloseEvent *event)
{
    confirmClose(event, *this);
    if (event->isAccepted())
        m_guard->setEnabled(false);
}

void TpfrmOkd::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (std::exchange(m_shownOnce, true))
        return;
    if (QWidget *page = pc1->currentWidget())
        focusFirstField(page);
}

bool TpfrmOkd::event(QEvent *event)
{
    // Fonts matter only on the screen; a window that is never shown (the
    // command line) is spared their cost. They are in place when the window
    // is polished for showing, before it is sized to its pages.
    if (event->type() == QEvent::Polish && !std::exchange(m_looksApplied, true))
        applyScreenLooks();
    return QMainWindow::event(event);
}

void TpfrmOkd::keyReleaseEvent(QKeyEvent *event)
{
    // A key released while the window itself has the focus locks saving only.
    QWidget *focused = QApplication::focusWidget();
    if (!focused || focused == this)
        m_gate->lockSaving();
    QMainWindow::keyReleaseEvent(event);
}

void TpfrmOkd::showBlockLooks(int block)
{
    for (const OrganisationBlocks::Box box : OrganisationBlocks::boxes) {
        setTakesTyping(
            static_cast<QLineEdit *>(m_controls.widget(OrganisationBlocks::controlOf(box))),
            OrganisationBlocks::stores(block, box));
    }
}

void TpfrmOkd::connectRules()
{
    m_logic.setBlockShown([this](int block) { showBlockLooks(block); });
    for (const QString &name : OkdEditorLogic::leftControls())
        m_guard->onExit(m_controls.widget(name), [this, name] { m_logic.leave(name); });
    for (const QString &name : OkdEditorLogic::enteredControls())
        m_guard->onEnter(m_controls.widget(name), [this, name] { m_logic.enter(name); });
    for (const QString &group : {u"indjzd"_s, u"indjzk"_s, u"RadioGroup2"_s, u"RadioGroup1"_s}) {
        connect(static_cast<RadioGroup *>(m_controls.widget(group)), &RadioGroup::itemClicked, this,
                [this, group] { m_logic.itemChosen(group); });
    }
    for (const QString &box : okdnames::codedBoxes()) {
        connect(static_cast<QComboBox *>(m_controls.widget(box)), &QComboBox::activated, this,
                [this] { setModified(true); });
    }
    auto *chairDegree = static_cast<QComboBox *>(m_controls.widget(u"ed6273ns"_s));
    connect(chairDegree->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_logic.textEdited(u"ed6273ns"_s); });
    for (const OrganisationBlocks::Box box : OrganisationBlocks::boxes)
        m_controls.widget(OrganisationBlocks::controlOf(box))->installEventFilter(this);
}

bool TpfrmOkd::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched->isWidgetType())
        m_logic.click(watched->objectName());
    return QMainWindow::eventFilter(watched, event);
}
