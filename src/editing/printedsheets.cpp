#include "editing/printedsheets.h"

#include "dialogs/dialogs.h"
#include "reports/compositereport.h"
#include "reports/preparedreport.h"
#include "reports/sheetset.h"

void fillSharedSheets(const SheetFill &fill)
{
    for (const QString &notice : fill(SheetSet::shared()))
        dialogs().inform(notice);
}

std::shared_ptr<const PreparedReport> preparePages(CompositeReport &report)
{
    std::shared_ptr<const PreparedReport> pages = report.prepare();
    for (const QString &notice : pages->cutNotices())
        dialogs().inform(notice);
    return pages;
}

std::shared_ptr<const PreparedReport> prepareSheets(const SheetFill &fill, const SheetOrder &order)
{
    fillSharedSheets(fill);
    CompositeReport report;
    report.setOnAddReports([&order](CompositeReport &run) { order(run, SheetSet::shared()); });
    return preparePages(report);
}

bool writePagesToPdf(const PreparedReport &pages, const QString &path)
{
    const ExportResult written = pages.writePdf(path);
    if (!written)
        dialogs().informFailure(written.error);
    return bool(written);
}
