#include "reports/compositereport.h"

#include "reports/reportpreview.h"
#include "reports/reportsheet.h"

CompositeReport::CompositeReport(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("QRCompositeReport1"));
}

std::shared_ptr<const PreparedReport> CompositeReport::prepare()
{
    m_reports.clear();
    if (m_onAddReports)
        m_onAddReports(*this);
    std::vector<PreparedPage> pages;
    pages.reserve(size_t(m_reports.size()));
    for (const ReportSheet *sheet : std::as_const(m_reports))
        pages.push_back(PreparedPage::of(*sheet, int(pages.size()) + 1));
    return std::make_shared<const PreparedReport>(std::move(pages));
}

ReportPreview *CompositeReport::preview(QWidget *parent)
{
    auto *window = new ReportPreview(prepare(), parent);
    window->show();
    return window;
}

ExportResult CompositeReport::exportPdf(const QString &path)
{
    return prepare()->writePdf(path);
}
