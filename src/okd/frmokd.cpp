#include "okd/frmokd.h"

#include "okd/okdcatalogue.h"
#include "okd/organisationblocks.h"

#include "app/controltext.h"
#include "app/dialogs.h"
#include "app/editorcommands.h"
#include "app/editorwindow.h"
#include "app/fieldwiring.h"
#include "app/focusguard.h"
#include "app/help.h"
#include "app/hinttiming.h"
#include "app/inputgate.h"
#include "app/pagebuilder.h"
#include "app/radiogroup.h"
#include "cardfile/blankforms.h"
#include "cardfile/fieldchecks.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
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

} // namespace

TpfrmOkd::TpfrmOkd(QWidget *parent)
    : QMainWindow(parent), m_guard(new FocusGuard(this)), m_gate(new InputGate(this))
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
    m_guard->guardClicks(pc1->tabBar());
    column->addWidget(pc1);
    buildPanel();
    column->addWidget(Panel1, 1);

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
    RadioGroup1Click();

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
    layOutEditorPanel(Panel1, BitBtn1, BitBtn3, BitBtn4);
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

QString TpfrmOkd::text(const QString &control) const
{
    if (auto *box = qobject_cast<QCheckBox *>(m_controls.widget(control)))
        return box->isChecked() ? u"1"_s : u"0"_s;
    return m_controls.text(control);
}

void TpfrmOkd::setText(const QString &control, const QString &text)
{
    if (auto *box = qobject_cast<QCheckBox *>(m_controls.widget(control)))
        box->setChecked(text == u"1"_s);
    else
        m_controls.setText(control, text);
}

int TpfrmOkd::itemIndex(const QString &radioGroup) const
{
    return m_controls.itemIndex(radioGroup);
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
    clearControls(pc1);
    setText(u"cb6642"_s, u"0"_s);
    // The working values are emptied before the indicators turn back, so that
    // no control shows a value of the card that was there before.
    m_values.clear();
    for (const QString &group : {u"RadioGroup1"_s, u"RadioGroup2"_s, u"indjzd"_s, u"indjzk"_s})
        chooseItem(group, 0);
    for (const QString &degree :
         {u"ed6156ns1"_s, u"ed6156ns2"_s, u"ed6156ns3"_s, u"ed6165ns1"_s, u"ed6165ns2"_s,
          u"ed6165ns3"_s, u"ed6165ns4"_s, u"ed6273ns"_s, u"ed7425"_s})
        setText(degree, QString());
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

void TpfrmOkd::chooseItem(const QString &radioGroup, int index)
{
    m_controls.setItemIndex(radioGroup, index);
    radioGroupClick(radioGroup);
}

void TpfrmOkd::radioGroupClick(const QString &radioGroup)
{
    if (radioGroup == u"indjzd"_s)
        indjzdClick();
    else if (radioGroup == u"indjzk"_s)
        indjzkClick();
    else if (radioGroup == u"RadioGroup2"_s)
        RadioGroup2Click();
    else if (radioGroup == u"RadioGroup1"_s)
        RadioGroup1Click();
}

void TpfrmOkd::indjzdClick()
{
    const int language = itemIndex(u"indjzd"_s);
    if (language >= 0 && language < 3)
        setText(u"ed6147"_s, m_values.applicantNames.at(language));
}

void TpfrmOkd::indjzkClick()
{
    const int language = itemIndex(u"indjzk"_s);
    if (language < 0 || language > 2) {
        dialogs().inform(u"Не вказана мова прізвища наукового керівника!"_s);
        return;
    }
    for (int n = 1; n <= 3; ++n)
        setText(u"ed6156f"_s + QString::number(n), m_values.supervisorNames.at(n - 1).at(language));
}

void TpfrmOkd::RadioGroup2Click()
{
    const int language = itemIndex(u"RadioGroup2"_s);
    if (language < 0 || language > 2)
        return;
    setText(u"mm9045"_s, m_values.titles.at(language));
    setText(u"mm9118"_s, m_values.abstracts.at(language));
}

void TpfrmOkd::ts2Enter()
{
    RadioGroup2Click();
}

void TpfrmOkd::RadioGroup1Click()
{
    const int block = itemIndex(u"RadioGroup1"_s);
    for (const OrganisationBlocks::Box box : OrganisationBlocks::boxes) {
        const QString name = OrganisationBlocks::controlOf(box);
        setText(name, m_values.blocks.shown(block, box));
        // A box the block does not use takes no typing, so nothing typed there
        // is lost at the next switch.
        static_cast<QLineEdit *>(m_controls.widget(name))
            ->setReadOnly(!OrganisationBlocks::stores(block, box));
    }
}

void TpfrmOkd::connectRules()
{
    FocusGuard &guard = *m_guard;
    const auto onExit = [this, &guard](const QString &name, auto handler) {
        guard.onExit(m_controls.widget(name), handler);
    };
    const auto onEnter = [this, &guard](const QString &name, auto handler) {
        guard.onEnter(m_controls.widget(name), handler);
    };

    for (const QString &group : {u"indjzd"_s, u"indjzk"_s, u"RadioGroup2"_s, u"RadioGroup1"_s}) {
        connect(static_cast<RadioGroup *>(m_controls.widget(group)), &RadioGroup::itemClicked, this,
                [this, group] { radioGroupClick(group); });
    }
    for (const QString &box : okdnames::listCheckedBoxes())
        onExit(box, [this, box] { control(box); });
    for (const QString &box : okdnames::codedBoxes()) {
        connect(static_cast<QComboBox *>(m_controls.widget(box)), &QComboBox::activated, this,
                [this] { setModified(true); });
    }
    // The chair's degree is held to its list on every change the user makes.
    auto *chairDegree = static_cast<QComboBox *>(m_controls.widget(u"ed6273ns"_s));
    connect(chairDegree->lineEdit(), &QLineEdit::textEdited, this,
            [this] { control(u"ed6273ns"_s); });

    for (const QString &date : {u"ed5418D"_s, u"ed7434"_s})
        onExit(date, [this, date] { report(fieldchecks::checkDate(text(date)), date); });
    onExit(u"ed5438"_s, [this] {
        report(fieldchecks::checkNumberComplete(text(u"ed5438"_s), u"5438"_s), u"ed5438"_s);
    });
    onExit(u"ed6147"_s, [this] { ed6147Exit(); });
    for (int n = 1; n <= 3; ++n)
        onExit(u"ed6156f"_s + QString::number(n), [this, n] { supervisorExit(n); });
    for (int n = 2; n <= 3; ++n)
        onEnter(u"ed6156f"_s + QString::number(n), [this, n] { supervisorEnter(n); });
    for (const QString &memo : {u"mm9045"_s, u"mm9118"_s})
        onExit(memo, [this, memo] { titleExit(memo); });
    onEnter(u"ts2"_s, [this] { ts2Enter(); });
    onEnter(u"ts3"_s, [this] { RadioGroup1Click(); });

    for (const OrganisationBlocks::Box box : OrganisationBlocks::boxes) {
        const QString name = OrganisationBlocks::controlOf(box);
        onExit(name, [this, name] { organisationExit(name); });
        onEnter(name, [this, name] { organisationSteer(name, false); });
        m_controls.widget(name)->installEventFilter(this);
    }

    // Leaving a subject code box empty goes on to "Вперед"; leaving an
    // opponent's name empty skips the remaining opponents.
    const QStringList &rubrics = okdnames::rubricBoxes();
    for (qsizetype i = 0; i + 1 < rubrics.size(); ++i) {
        const QString box = rubrics.at(i);
        onExit(box, [this, box] {
            if (text(box) == blankform::date)
                m_controls.focus(u"BitBtn4"_s);
        });
    }
    for (int n = 2; n <= 4; ++n) {
        const QString name = u"ed6165f"_s + QString::number(n);
        onExit(name, [this, name] {
            if (text(name).isEmpty())
                m_controls.focus(u"ed6174"_s);
        });
    }
}

bool TpfrmOkd::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched->isWidgetType())
        organisationSteer(watched->objectName(), true);
    return QMainWindow::eventFilter(watched, event);
}
