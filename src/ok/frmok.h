#pragma once

#include "ok/okeditorlogic.h"

#include "frame/cardprinting.h"
#include "frame/frmtemplate.h"
#include "frame/windowcontrols.h"

#include <QStringList>

// The editor window of the accounting card of a finished research or
// development work: eight pages of fields built from the card's catalogue,
// its checks, position lists and co-executors, and saving and opening its
// card files.
class TfrmOK : public TfrmTemplate
{
    Q_OBJECT
public:
    explicit TfrmOK(QWidget *parent = nullptr);
    ~TfrmOK() override;

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
    void compNil();

    // "Друк" (N8Click): fills the sheets, shows the notices and opens the
    // preview of the pages (frmokprint.cpp).
    void N8Click();
    // The same filling and pages written to a PDF file.
    bool printToPdf(const QString &path);
    // The editor's composite report, made on first use.
    CompositeReport &QRCompositeReport1();

    const OkEditorLogic &logic() const { return m_logic; }

protected:
    void printCard() override;

private:
    void connectRules();
    // What every opening ends with, also a cancelled one.
    void showAfterReading();

    WindowControls m_windowControls;
    OkEditorLogic m_logic;
    QString saveName; // offered by "Записати як..."; "OK" until the first save
    CardPrinting m_printing;
};
