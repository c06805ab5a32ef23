#include "frame/cardprinting.h"

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

void CardPrinting::preview(const QString &pdfName)
{
    fillSharedSheets(m_fill);
    CompositeReport::preview(preparePages(report()), m_editor, pdfName);
}

bool CardPrinting::printToPdf(const QString &path)
{
    fillSharedSheets(m_fill);
    return writePagesToPdf(*preparePages(report()), path);
}
