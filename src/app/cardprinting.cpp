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

// The pages of a run, after the notices of the fields that did not fit
// their boxes (which follow those of the filling).
std::shared_ptr<const PreparedReport> preparePages(CompositeReport &report)
{
    std::shared_ptr<const PreparedReport> pages = report.prepare();
    for (const QString &notice : pages->cutNotices())
        dialogs().inform(notice);
    return pages;
}

} // namespace

void CardPrinting::preview(const QString &pdfName)
{
    fillSheets(m_fill);
    CompositeReport::preview(preparePages(report()), m_editor, pdfName);
}

bool CardPrinting::printToPdf(const QString &path)
{
    fillSheets(m_fill);
    return writePagesToPdf(*preparePages(report()), path);
}

std::shared_ptr<const PreparedReport> prepareSheets(const CardPrinting::Fill &fill,
                                                    const CardPrinting::AddReports &addReports)
{
    fillSheets(fill);
    CompositeReport report;
    report.setOnAddReports(
        [&addReports](CompositeReport &run) { addReports(run, SheetSet::shared()); });
    return preparePages(report);
}

bool writePagesToPdf(const PreparedReport &pages, const QString &path)
{
    const ExportResult written = pages.writePdf(path);
    if (!written)
        dialogs().informFailure(written.error);
    return bool(written);
}
