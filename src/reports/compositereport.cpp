#include "reports/compositereport.h"

#include "reports/reportpreview.h"
#include "reports/reportsheet.h"

#include <QScreen>

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

ReportPreview *CompositeReport::preview(QWidget *parent, const QString &pdfName)
{
    return preview(prepare(), parent, pdfName);
}

ReportPreview *CompositeReport::preview(std::shared_ptr<const PreparedReport> pages,
                                        QWidget *parent, const QString &pdfName)
{
    // A window of its own, not a child of the asking window: it keeps its
    // pages until the user closes it, also when that window closes first.
    auto *window = new ReportPreview(std::move(pages));
    window->setPdfName(pdfName);
    if (parent) {
        const QRect area = parent->screen()->availableGeometry();
        window->move(area.center() - window->rect().center());
    }
    window->show();
    return window;
}

ExportResult CompositeReport::exportPdf(const QString &path)
{
    return prepare()->writePdf(path);
}
