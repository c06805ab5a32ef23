#pragma once

#include "okd/okdeditorlogic.h"

#include "frame/cardeditor.h"
#include "frame/cardprinting.h"
#include "frame/editormenu.h"
#include "frame/namedcontrols.h"
#include "frame/windowcontrols.h"

#include <QMainWindow>
#include <QStringList>

class FocusGuard;
class InputGate;
class QPushButton;
class QTabWidget;

// The editor window of the accounting card of a dissertation: five pages of
// fields built from the card's catalogue, the names kept in three languages
// and the five organisation blocks behind one set of boxes, the checks run
// when a field is left (the editor's logic), and saving and opening its card
// files. A window of its own, made of the same parts as the other editors'
// frame.
class TpfrmOkd : public QMainWindow, public CardEditor
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
    bool printToPdf(const QString &path);

    // The card's lines in file order, as "Записати як ..." writes them. A
    // dissertation kind outside its list is written (and shown) as "04".
    QStringList writeCard() override;
    // Clears the card and reads the card file at `path`; false when the
    // reading stopped on an error (shown through the dialogs service).
    bool readCard(const QString &path) override;
    // Empties the card.
    void compNil();

    const OkdValues &values() const { return m_logic.values(); }
    const OkdEditorLogic &logic() const { return m_logic; }
    QString cardFile() const override { return m_cardFile; }
    void setCardFile(const QString &path) override { m_cardFile = path; }
    InputGate &inputGate() const override { return *m_gate; }
    // How many continuation pages the last "Друк..." formed.
    int continuationSheets() const { return contSheets; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
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
    void N3Click();

    // Organisation boxes the shown block does not use take no typing, so
    // nothing typed there is lost at the next switch.
    void showBlockLooks(int block);

    QTabWidget *pc1;
    QWidget *Panel1;
    QPushButton *BitBtn1; // "&Кінець введення"
    QPushButton *BitBtn3; // "Назад"
    QPushButton *BitBtn4; // "Вперед"

    FocusGuard *m_guard;
    InputGate *m_gate;
    EditorMenu m_menu;
    NamedControls m_controls;
    WindowControls m_windowControls;
    OkdEditorLogic m_logic;
    int contSheets = 0;
    CardPrinting m_printing;
    QString saveName; // offered by "Записати як ..."; "OKD" until the first save
    QString m_cardFile;
    bool m_shownOnce = false;
    bool m_looksApplied = false;
};
