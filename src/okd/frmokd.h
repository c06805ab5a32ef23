#pragma once

#include "okd/okdcard.h"

#include "app/cardeditor.h"
#include "app/editormenu.h"
#include "app/namedcontrols.h"

#include <QMainWindow>
#include <QStringList>

class CompositeReport;
class FocusGuard;
class InputGate;
class QPushButton;
class QTabWidget;

// The editor window of the accounting card of a dissertation: five pages of
// fields built from the card's catalogue, the names kept in three languages
// and the five organisation blocks behind one set of boxes, the checks run
// when a field is left, and saving and opening its card files. A window of
// its own, made of the same parts as the other editors' frame.
class TpfrmOkd : public QMainWindow, public CardEditor, private OkdFields
{
    Q_OBJECT
public:
    explicit TpfrmOkd(QWidget *parent = nullptr);
    ~TpfrmOkd() override;

    CardKind cardKind() const override { return CardKind::OKD; }
    bool isModified() const override;
    void setModified(bool modified) override;
    // "Записати як ..." (SaveAs1Click).
    bool saveAs() override;
    // "Відкрити..." (Open1Click).
    bool open() override;
    // "Друк..." into a PDF file instead of the preview.
    bool printToPdf(const QString &path) override;

    // The card's lines in file order, as "Записати як ..." writes them. A
    // dissertation kind outside its list is written (and shown) as "04".
    QStringList writeCard() override;
    // Clears the card and reads the card file at `path`; false when the
    // reading stopped on an error (shown through the dialogs service).
    bool readCard(const QString &path);
    // Empties the card.
    void compNil();

    const OkdValues &values() const { return m_values; }
    // The controls as the card file and the printing read them.
    const OkdFields &fields() const { return *this; }
    // The card file last written or read; empty for a card never saved.
    const QString &cardFile() const { return m_cardFile; }
    // How many continuation pages the last "Друк..." formed.
    int continuationSheets() const { return contSheets; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // OkdFields over the window's controls.
    QString text(const QString &control) const override;
    void setText(const QString &control, const QString &text) override;

    void buildPanel();
    void connectCommands();
    void connectRules();
    // The fonts and fixed sizes of the catalogue.
    void applyScreenLooks();

    // Menu and panel.
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void New1Click();
    void Exit1Click();
    void Print1Click();

    // Printing (frmokdprint.cpp).
    CompositeReport &QRCompositeReport1();
    void QRCompositeReport1AddReports(CompositeReport &report);
    // Fills the sheets and shows the run's notices.
    void fillSheets();
    void N3Click();

    // Turns a radio group as the program does, which runs its click handler.
    void chooseItem(const QString &radioGroup, int index);
    void radioGroupClick(const QString &radioGroup);
    void indjzdClick();
    void indjzkClick();
    void RadioGroup2Click();
    void RadioGroup1Click();
    void ts2Enter();

    // Checks and prompts (frmokdchecks.cpp).
    void report(const QStringList &messages, const QString &control);
    // The list check of a combo box.
    void control(const QString &box);
    void ed6147Exit();
    void supervisorExit(int supervisor);
    void supervisorEnter(int supervisor);
    void titleExit(const QString &memo);
    void organisationExit(const QString &box);
    void organisationSteer(const QString &box, bool click);

    int itemIndex(const QString &radioGroup) const;

    QTabWidget *pc1;
    QWidget *Panel1;
    QPushButton *BitBtn1; // "&Кінець введення"
    QPushButton *BitBtn3; // "Назад"
    QPushButton *BitBtn4; // "Вперед"

    FocusGuard *m_guard;
    InputGate *m_gate;
    EditorMenu m_menu;
    NamedControls m_controls;
    OkdValues m_values;
    QString saveName; // offered by "Записати як ..."; "OKD" until the first save
    QString m_cardFile;
    CompositeReport *m_report = nullptr;
    int contSheets = 0;
    bool m_shownOnce = false;
    bool m_looksApplied = false;
};
