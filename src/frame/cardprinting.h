#pragma once

#include "editing/printedsheets.h"

#include <QString>

class QWidget;

// "Друк" of a card editor: fills the shared sheets from the card, shows the
// continuation notices through the dialogs service, then opens the preview
// of the pages or writes them to a PDF file. The composite report, named
// "QRCompositeReport1", belongs to the editor window and is made on first
// use.
class CardPrinting
{
public:
    using Fill = SheetFill;
    using AddReports = SheetOrder;

    CardPrinting(QWidget *editor, Fill fill, AddReports addReports);

    CompositeReport &report();
    // The preview, offering `pdfName` for "Зберегти як PDF".
    void preview(const QString &pdfName);
    // The same pages into a PDF file; false (with the reason shown) when
    // it could not be written.
    bool printToPdf(const QString &path);

private:
    QWidget *m_editor;
    Fill m_fill;
    AddReports m_addReports;
    CompositeReport *m_report = nullptr;
};
