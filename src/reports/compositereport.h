#pragma once

#include "reports/preparedreport.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class QWidget;
class ReportPreview;
class ReportSheet;

// Prints several sheets as one job. Each card editor owns one, named
// "QRCompositeReport1", and binds its "add reports" handler, which is asked
// for the sheets at the start of every run, with the list emptied.
class CompositeReport : public QObject
{
    Q_OBJECT

public:
    using AddReports = std::function<void(CompositeReport &)>;

    explicit CompositeReport(QObject *parent = nullptr);

    void setOnAddReports(AddReports handler) { m_onAddReports = std::move(handler); }
    // Appends a sheet to this run's list (called from the handler).
    void add(ReportSheet &sheet) { m_reports.append(&sheet); }
    const QList<ReportSheet *> &reports() const { return m_reports; }

    // One run: empties the list, asks the handler for the sheets and
    // prepares every listed sheet once, in list order, with page numbers
    // running on across the sheets. The pages keep no link to the sheets.
    std::shared_ptr<const PreparedReport> prepare();

    // Prepares a run and opens the preview window on its first page, on the
    // screen of `parent`. The window is modeless, stands on its own (closing
    // `parent` leaves it open) and deletes itself when closed.
    // `pdfName` is the name its "Зберегти як PDF" offers.
    ReportPreview *preview(QWidget *parent = nullptr, const QString &pdfName = QString());
    // The same window on pages prepared before.
    static ReportPreview *preview(std::shared_ptr<const PreparedReport> pages, QWidget *parent,
                                  const QString &pdfName);
    // Prepares a run and writes its pages as a PDF file, exactly as the
    // preview would show and print them.
    ExportResult exportPdf(const QString &path);

private:
    AddReports m_onAddReports;
    QList<ReportSheet *> m_reports;
};
