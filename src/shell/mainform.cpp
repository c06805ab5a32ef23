#include "shell/mainform.h"

#include "controls/fonts.h"
#include "frame/cardeditor.h"
#include "frame/editorregistry.h"
#include "frame/unsavedchanges.h"
#include "shell/analogclock.h"
#include "shell/carddrop.h"
#include "shell/cardfileopening.h"
#include "shell/embossedbutton.h"
#include "shell/recoveryfolder.h"
#include "shell/recoverykeeper.h"
#include "shell/runningcaption.h"
#include "shell/shadowlabel.h"
#include "shell/tiledbackground.h"
#include "shell/windowplacement.h"

#include <QApplication>
#include <QCloseEvent>

namespace {
const QSize clientSize(582, 425);
const QColor windowGrey(192, 192, 192);
constexpr int captionHeight = 20;
constexpr int margin = 12;

struct BannerLine
{
    ShadowLabel *TMainForm::*member;
    const char *name;
    const char16_t *text;
    int pixelSize;
    QColor color;
};

const BannerLine bannerLines[] = {
    {&TMainForm::LabelEffect6, "LabelEffect6", u"Державна реєстрація та облік НДР і ДКР", 20,
     Qt::white},
    {&TMainForm::LabelEffect7, "LabelEffect7", u"Підготовка карток", 41, QColor(0, 255, 0)},
    {&TMainForm::LabelEffect8, "LabelEffect8", u"для бази даних", 41, QColor(0, 255, 0)},
    {&TMainForm::LabelEffect9, "LabelEffect9", u"ОВРІДА", 41, QColor(0, 255, 0)},
};

constexpr int choiceSpacing = 42;

// The order in which the editors are asked about on exit.
constexpr CardKind exitOrder[] = {CardKind::OKD, CardKind::OK, CardKind::RK};

std::size_t slotOf(CardKind kind)
{
    return static_cast<std::size_t>(kind);
}
} // namespace

TMainForm::TMainForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(programCaption());
    setFixedSize(clientSize);
    setFont(fonts::sans(10));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, windowGrey);
    setPalette(grey);
    setAutoFillBackground(true);

    wiaTile1 = new TiledBackground(this);
    wiaTile1->setObjectName(QStringLiteral("wiaTile1"));
    wiaTile1->setGeometry(0, 0, clientSize.width(), clientSize.height() - captionHeight);

    createBanner();

    Clock1 = new AnalogClock(this);
    Clock1->setObjectName(QStringLiteral("Clock1"));
    Clock1->setGeometry(clientSize.width() - margin - 103, margin, 103, 97);

    createChoices();

    RunLabel1 = new RunningCaption(QStringLiteral("Інститут ВЕРАКС"), this);
    RunLabel1->setObjectName(QStringLiteral("RunLabel1"));
    QFont captionFont = fonts::mono(20);
    captionFont.setItalic(true);
    RunLabel1->setFont(captionFont);
    QPalette captionColors = RunLabel1->palette();
    captionColors.setColor(QPalette::Window, windowGrey);
    captionColors.setColor(QPalette::WindowText, Qt::black);
    RunLabel1->setPalette(captionColors);
    RunLabel1->setGeometry(0, clientSize.height() - captionHeight, clientSize.width(),
                           captionHeight);

    centreOnScreen(this);
    setEditorOpener([this](CardKind kind) { openCard(kind); });
    const auto openFiles = [this](const QStringList &paths) {
        openCardFilesInNewEditors(*this, paths);
    };
    setCardFilesOpener(openFiles);
    acceptCardDrops(this, openFiles);
}

TMainForm::~TMainForm()
{
    setEditorOpener({});
    setCardFilesOpener({});
}

void TMainForm::createBanner()
{
    int top = margin / 2;
    for (const BannerLine &line : bannerLines) {
        auto *label = new ShadowLabel(QString::fromUtf16(line.text), fonts::serif(line.pixelSize),
                                      line.color, this);
        label->setObjectName(QLatin1String(line.name));
        label->move(margin, top);
        this->*line.member = label;
        top += label->height() - ShadowLabel::shadowDepth;
    }

    LabelEffect1 =
        new ShadowLabel(QStringLiteral("(для запису на  MD)"), fonts::serif(20), Qt::white, this);
    LabelEffect1->setObjectName(QStringLiteral("LabelEffect1"));
    LabelEffect1->move(clientSize.width() - margin - LabelEffect1->width(), top + 4);
}

void TMainForm::createChoices()
{
    struct Choice
    {
        EmbossedButton *TMainForm::*member;
        const char *name;
        const char16_t *text;
        void (TMainForm::*handler)();
    };
    // Top to bottom at the left of the lower half of the window.
    static const Choice choices[] = {
        {&TMainForm::LabelEffect5, "LabelEffect5", u"Реєстраційна картка НДР і ДКР (&РК)",
         &TMainForm::LabelEffect5Click},
        {&TMainForm::LabelEffect4, "LabelEffect4", u"Облікова картка НДР і ДКР (&ОК)",
         &TMainForm::LabelEffect4Click},
        {&TMainForm::LabelEffect3, "LabelEffect3", u"Облікова картка дисертації (&ОКД)",
         &TMainForm::LabelEffect3Click},
        {&TMainForm::LabelEffect10, "LabelEffect10", u"Вихід", &TMainForm::LabelEffect10Click},
    };

    int top = clientSize.height() / 2 + 8;
    for (const Choice &choice : choices) {
        auto *button = new EmbossedButton(QString::fromUtf16(choice.text), fonts::serif(27),
                                          QColor(0, 0, 255), this);
        button->setObjectName(QLatin1String(choice.name));
        button->move(2 * margin, top);
        connect(button, &EmbossedButton::clicked, this, choice.handler);
        this->*choice.member = button;
        top += choiceSpacing;
    }
}

void TMainForm::LabelEffect5Click()
{
    openCard(CardKind::RK);
}

void TMainForm::LabelEffect4Click()
{
    openCard(CardKind::OK);
}

void TMainForm::LabelEffect3Click()
{
    openCard(CardKind::OKD);
}

void TMainForm::LabelEffect10Click()
{
    exitProgram();
}

QWidget *TMainForm::openCard(CardKind kind)
{
    QWidget *editor = createEditor(kind);
    if (!editor)
        return nullptr;
    // An editor frees itself when it closes; the pointers kept here then clear.
    editor->setAttribute(Qt::WA_DeleteOnClose);
    // Only the main window's closing ends the program.
    editor->setAttribute(Qt::WA_QuitOnClose, false);
    latest_[slotOf(kind)] = editor;
    editors_.append(editor);
    acceptCardDropsOnEditor(editor);
    if (RecoveryFolder *folder = recoveryFolder())
        RecoveryKeeper::attach(editor, *folder);
    editor->show();
    return editor;
}

void TMainForm::exitProgram()
{
    close();
}

QWidget *TMainForm::latestEditor(CardKind kind) const
{
    QWidget *editor = latest_[slotOf(kind)];
    return editor && editor->isVisible() ? editor : nullptr;
}

QList<QWidget *> TMainForm::openEditors() const
{
    QList<QWidget *> open;
    for (const QPointer<QWidget> &editor : editors_) {
        if (editor && editor->isVisible())
            open.append(editor);
    }
    return open;
}

bool TMainForm::settleAllEditors()
{
    const QList<QWidget *> open = openEditors();
    for (CardKind kind : exitOrder) {
        for (auto it = open.crbegin(); it != open.crend(); ++it) {
            QPointer<QWidget> window = *it;
            CardEditor *editor = cardEditorOf(window);
            if (!window || !window->isVisible() || editor->cardKind() != kind ||
                !editor->isModified())
                continue;
            // Bring forward the window that is meant: there may be several.
            window->activateWindow();
            if (!settleUnsavedChanges(*editor))
                return false;
        }
    }
    return true;
}

void TMainForm::closeOtherWindows()
{
    // The editors' own close box asks about unsaved changes; every card has
    // been settled above, so their flags are cleared before they close.
    for (QWidget *window : openEditors()) {
        cardEditorOf(window)->setModified(false);
        window->close();
    }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!settleAllEditors()) {
        event->ignore();
        return;
    }
    closeOtherWindows();
    event->accept();
}
