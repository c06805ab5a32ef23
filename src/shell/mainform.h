#pragma once

// The shell folder: start-up, the main window and its decoration, the help
// window, opening cards from outside and keeping cards after a crash. Uses
// frame and the folders below it, never a card folder.

#include "cardfile/cardkind.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <array>

class AnalogClock;
class EmbossedButton;
class RunningCaption;
class ShadowLabel;
class TiledBackground;

// The main window: the choice of card, "Вихід", and decoration. It opens a
// fresh editor window on each choice and keeps track of every editor it
// opened; before the program ends it asks about each editor whose card has
// unsaved changes.
class TMainForm : public QWidget
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // Opens a new editor of `kind`, shown at once and modeless. Returns it, or
    // nullptr when this build has no editor of that kind.
    QWidget *openCard(CardKind kind);
    // "Вихід": the same as closing the window.
    void exitProgram();

    // The editor of `kind` opened last, while it is open.
    QWidget *latestEditor(CardKind kind) const;
    // Every open editor, the oldest first.
    QList<QWidget *> openEditors() const;

    TiledBackground *wiaTile1 = nullptr;
    ShadowLabel *LabelEffect6 = nullptr;
    ShadowLabel *LabelEffect7 = nullptr;
    ShadowLabel *LabelEffect8 = nullptr;
    ShadowLabel *LabelEffect9 = nullptr;
    ShadowLabel *LabelEffect1 = nullptr;
    AnalogClock *Clock1 = nullptr;
    EmbossedButton *LabelEffect5 = nullptr;
    EmbossedButton *LabelEffect4 = nullptr;
    EmbossedButton *LabelEffect3 = nullptr;
    EmbossedButton *LabelEffect10 = nullptr;
    RunningCaption *RunLabel1 = nullptr;

protected:
    // Closing the window ends the program: it first asks about every editor
    // with unsaved changes, and Cancel keeps everything open.
    void closeEvent(QCloseEvent *event) override;

private slots:
    void LabelEffect5Click();
    void LabelEffect4Click();
    void LabelEffect3Click();
    void LabelEffect10Click();

private:
    void createBanner();
    void createChoices();
    // The questions about unsaved cards: OKD editors first, then OK, then RK,
    // the newest first within a kind. False when the user cancelled.
    bool settleAllEditors();
    // Closes every other window of the program without further questions.
    void closeOtherWindows();

    std::array<QPointer<QWidget>, 3> latest_;
    QList<QPointer<QWidget>> editors_;
};
