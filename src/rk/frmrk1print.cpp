// "Друк" of the registration card window: the filling of the sheets, the
// continuation notices, the preview and the PDF file of the same pages.
#include "rk/frmrk1.h"
#include "rk/rkprint.h"

#include "app/dialogs.h"
#include "reports/compositereport.h"
#include "reports/reportpreview.h"
#include "reports/sheetset.h"

CompositeReport &TfrmRK1::QRCompositeReport1()
{
    if (!m_report) {
        m_report = new CompositeReport(this);
        m_report->setOnAddReports(
            [this](CompositeReport &report) { QRCompositeReport1AddReports(report); });
    }
    return *m_report;
}

void TfrmRK1::QRCompositeReport1AddReports(CompositeReport &report)
{
    addRkReports(report, SheetSet::shared());
}

void TfrmRK1::fillSheets()
{
    for (const QString &notice : fillRkSheets(m_logic, SheetSet::shared()))
        dialogs().inform(notice);
}

void TfrmRK1::N8Click()
{
    fillSheets();
    QRCompositeReport1().preview(this, pdfNameFor(cardKind(), cardFile()));
}

void TfrmRK1::printCard()
{
    N8Click();
}

bool TfrmRK1::printToPdf(const QString &path)
{
    fillSheets();
    const ExportResult written = QRCompositeReport1().exportPdf(path);
    if (!written)
        dialogs().inform(written.error);
    return bool(written);
}
