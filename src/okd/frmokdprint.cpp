// "Друк..." of the dissertation card window: the filling of the sheets, the
// notices, the preview and the PDF file of the same pages.
#include "okd/frmokd.h"
#include "okd/okdprint.h"

#include "app/dialogs.h"
#include "reports/compositereport.h"
#include "reports/reportpreview.h"
#include "reports/sheetset.h"

using namespace Qt::StringLiterals;

CompositeReport &TpfrmOkd::QRCompositeReport1()
{
    if (!m_report) {
        m_report = new CompositeReport(this);
        m_report->setObjectName(u"QRCompositeReport1"_s);
        m_report->setOnAddReports(
            [this](CompositeReport &report) { QRCompositeReport1AddReports(report); });
    }
    return *m_report;
}

void TpfrmOkd::QRCompositeReport1AddReports(CompositeReport &report)
{
    addOkdReports(report, SheetSet::shared(), contSheets);
}

void TpfrmOkd::fillSheets()
{
    setText(u"mmtext"_s, QString());
    const OkdPrintRun run = fillOkdSheets(*this, m_values, SheetSet::shared());
    contSheets = run.contSheets;
    for (const QString &notice : run.notices)
        dialogs().inform(notice);
}

void TpfrmOkd::Print1Click()
{
    fillSheets();
    QRCompositeReport1().preview(this, pdfNameFor(cardKind(), m_cardFile));
}

bool TpfrmOkd::printToPdf(const QString &path)
{
    fillSheets();
    const ExportResult written = QRCompositeReport1().exportPdf(path);
    if (!written)
        dialogs().inform(written.error);
    return bool(written);
}
