#include "app/cardprinting.h"

#include "app/dialogs.h"
#include "reports/compositereport.h"
#include "reports/reportpreview.h"
#include "reports/sheetset.h"

CardPrinting::CardPrinting(QWidget *editor, Fill fill, AddReports addReports)
    : m_editor(editor), m_fill(std::move(fill)), m_addReports(std::move(addReports))
{}

CompositeReport &CardPrinting::report()
{
    if (!m_report) {
        m_report = new CompositeReport(m_editor);
        m_report->setOnAddReports(
            [this](CompositeReport &report) { m_addReports(report, SheetSet::shared()); });
    }
    return *m_report;
}

namespace {

void fillSheets(const CardPrinting::Fill &fill)
{
    for (const QString &notice : fill(SheetSet::shared()))
        dialogs().inform(notice);
}

} // namespace

void CardPrinting::preview(const QString &pdfName)
{
    fillSheets(m_fill);
    report().preview(m_editor, pdfName);
}

bool CardPrinting::printToPdf(const QString &path)
{
    fillSheets(m_fill);
    return writePagesToPdf(*report().prepare(), path);
}

std::shared_ptr<const PreparedReport> prepareSheets(const CardPrinting::Fill &fill,
                                                    const CardPrinting::AddReports &addReports)
{
    fillSheets(fill);
    CompositeReport report;
    report.setOnAddReports(
        [&addReports](CompositeReport &run) { addReports(run, SheetSet::shared()); });
    return report.prepare();
}

bool writePagesToPdf(const PreparedReport &pages, const QString &path)
{
    const ExportResult written = pages.writePdf(path);
    if (!written)
        dialogs().informFailure(written.error);
    return bool(written);
}
