#pragma once

#include "rk/rkeditorlogic.h"

#include "frame/cardprinting.h"
#include "frame/frmtemplate.h"
#include "frame/windowcontrols.h"

#include <QStringList>

class CompositeReport;
class QLabel;

// The editor window of the registration card of a research or development
// work: six pages of fields built from the card's catalogue, its checks and
// repeating groups, and saving and opening its card files.
class TfrmRK1 : public TfrmTemplate
{
    Q_OBJECT
public:
    explicit TfrmRK1(QWidget *parent = nullptr);
    ~TfrmRK1() override;

    // "Записати як..." (N6Click).
    bool saveAs() override;
    // "Відкрити..." (N4Click).
    bool open() override;

    // The card's lines in file order, as "Записати як..." writes them.
    QStringList writeCard() override;
    // Clears the card and reads the card file at `path`; false when the
    // reading stopped on an error (shown through the dialogs service).
    bool readCard(const QString &path) override;
    // Empties the card before a file is read.
    void clearCard();

    // "Друк" (N8Click): fills the sheets, shows the continuation notices and
    // opens the preview of the pages.
    void N8Click();
    // The same filling and pages written to a PDF file instead of the
    // preview (frmrk1print.cpp).
    bool printToPdf(const QString &path);
    QList<FieldFailure> checkFields() const { return m_logic.checkFields(); }
    // The editor's composite report, made on first use.
    CompositeReport &QRCompositeReport1();

    const RkEditorLogic &logic() const { return m_logic; }

protected:
    void printCard() override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *widget(const QString &name) const;
    QLabel *label(const QString &name) const;
    void connectRules();
    void windowActivated();

    WindowControls m_windowControls;
    RkEditorLogic m_logic;
    QString saveName;   // offered by "Записати як..."; "RK" until the first save
    QString openedName; // full path of the file last opened
    QString execKindNo; // executor's kind number as last written
    bool m_leftForDialog = false;
    CardPrinting m_printing;
};
