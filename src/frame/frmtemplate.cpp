#include "frame/frmtemplate.h"

#include "frame/editorcommands.h"
#include "frame/editorwindow.h"
#include "frame/fieldwiring.h"
#include "frame/focusguard.h"
#include "frame/help.h"
#include "frame/hinttiming.h"
#include "frame/inputgate.h"
#include "frame/pagebuilder.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmTemplate::TfrmTemplate(CardKind kind, const QString &caption, QSize clientSize, int panelHeight,
                           QWidget *parent)
    : QMainWindow(parent), m_kind(kind), m_guard(new FocusGuard(this)), m_gate(new InputGate(this))
{
    // Before any control exists: the first editor of the program installs
    // the hint style, which every existing widget would otherwise be polished
    // for again.
    setHintTiming(400, 20000);
    setEditorFont(this);
    setWindowTitle(caption);
    auto *client = new QWidget(this);
    setCentralWidget(client);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    PageControl = new QTabWidget(client);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    column->addWidget(PageControl, 1);
    m_guard->guardPages(PageControl);
    buildPanel(panelHeight);
    column->addWidget(Panel1);
    // The rules also send the cursor to the panel's buttons.
    for (QPushButton *button : {BitBtn1, BitBtn2, BitBtn3})
        m_controls.add(button);

    m_menu = buildEditorMenu(menuBar(), editorMenuSpec(kind));
    m_gate->setActions(m_menu.saveAs, m_menu.print);
    connect(m_menu.newCard, &QAction::triggered, this, &TfrmTemplate::newCardClick);
    connect(m_menu.open, &QAction::triggered, this, [this] { open(); });
    connect(m_menu.saveAs, &QAction::triggered, this, [this] { saveAs(); });
    connect(m_menu.print, &QAction::triggered, this, [this] { printCard(); });
    connect(m_menu.exit, &QAction::triggered, this, &TfrmTemplate::exitClick);
    connect(m_menu.help, &QAction::triggered, this, &TfrmTemplate::helpClick);

    prepareEditorWindow(this, clientSize);
}

TfrmTemplate::~TfrmTemplate()
{
    m_guard->setEnabled(false);
    // The card's own parts are gone by now: a focused control that loses
    // the focus while the window is taken down (a combo box then reports
    // its text) must not reach their handlers.
    for (QWidget *child : findChildren<QWidget *>())
        child->blockSignals(true);
}

void TfrmTemplate::buildPanel(int height)
{
    Panel1 = new QWidget(centralWidget());
    Panel1->setObjectName(QStringLiteral("Panel1"));
    BitBtn3 = makeStepButton(Panel1, QStringLiteral("BitBtn3"), true);
    BitBtn2 = makeStepButton(Panel1, QStringLiteral("BitBtn2"), false);
    BitBtn1 = makeEndOfInputButton(Panel1, QStringLiteral("BitBtn1"));
    layOutEditorPanel(Panel1, height, BitBtn1, BitBtn2, BitBtn3);
    QWidget::setTabOrder(BitBtn3, BitBtn2);
    QWidget::setTabOrder(BitBtn2, BitBtn1);
    for (QPushButton *button : {BitBtn1, BitBtn2, BitBtn3})
        m_guard->guardClicks(button);
    connect(BitBtn3, &QPushButton::clicked, this, &TfrmTemplate::btnNextClick);
    connect(BitBtn2, &QPushButton::clicked, this, &TfrmTemplate::btnPrevClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmTemplate::BitBtn1Click);
}

CardPage *TfrmTemplate::addPage(const PageSpec &layout)
{
    CardPage *page = buildPage(layout, editorWiring(*m_gate, *m_guard));
    PageControl->addTab(page, layout.caption);
    keepPanelLastInTabOrder(page);
    m_controls.addAll(page);
    return page;
}

void TfrmTemplate::keepPanelLastInTabOrder(QWidget *page)
{
    chainPanelAfterPage(page, {BitBtn3, BitBtn2, BitBtn1});
}

bool TfrmTemplate::isModified() const
{
    return m_gate->isModified();
}

void TfrmTemplate::setModified(bool modified)
{
    m_gate->setModified(modified);
}

void TfrmTemplate::btnNextClick()
{
    stepPage(PageControl, 1);
}

void TfrmTemplate::btnPrevClick()
{
    stepPage(PageControl, -1);
}

void TfrmTemplate::BitBtn1Click()
{
    m_gate->endInput();
}

void TfrmTemplate::changed()
{
    m_gate->changed();
}

void TfrmTemplate::newCardClick()
{
    renewEditor(this, *this);
}

void TfrmTemplate::exitClick()
{
    leaveEditor(this, *this);
}

void TfrmTemplate::helpClick()
{
    openHelp();
}

void TfrmTemplate::closeEvent(QCloseEvent *event)
{
    confirmClose(event, *this);
    if (event->isAccepted())
        m_guard->setEnabled(false);
}

void TfrmTemplate::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // The first field of the first page has the focus when the window opens.
    if (QWidget *page = PageControl->currentWidget())
        focusFirstField(page);
}
