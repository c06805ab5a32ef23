#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CompositeReport;
class PreparedReport;
class QWidget;
class SheetSet;

// "Друк" of a card editor: fills the shared sheets from the card, shows the
// continuation notices through the dialogs service, then opens the preview
// of the pages or writes them to a PDF file. The composite report, named
// "QRCompositeReport1", belongs to the editor window and is made on first
// use.
class CardPrinting
{
public:
    // Fills the sheets and returns the notices in the order they arose.
    using Fill = std::function<QStringList(SheetSet &)>;
    // Appends the sheets of the run to the report, in print order.
    using AddReports = std::function<void(CompositeReport &, const SheetSet &)>;

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

// "Друк" without a window: fills the shared sheets, shows the notices
// through the dialogs service and prepares the sheets `addReports` lists.
std::shared_ptr<const PreparedReport> prepareSheets(const CardPrinting::Fill &fill,
                                                    const CardPrinting::AddReports &addReports);
// Writes prepared pages to the PDF file `path`; false (with the reason
// shown) when the file could not be written.
bool writePagesToPdf(const PreparedReport &pages, const QString &path);
