#pragma once

#include "reports/preparedreport.h"

#include <QPrinter>
#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QListWidget;
class QPrintPreviewWidget;

// How the preview asks for a file name and tells the user something. The
// program routes these through its dialogs service; by default they are
// plain Qt dialogs.
struct PreviewHooks
{
    // Returns the chosen PDF path, or an empty string when cancelled;
    // `proposed` is the name the dialog offers first.
    std::function<QString(QWidget *parent, const QString &proposed)> pdfFileName;
    std::function<void(QWidget *parent, const QString &text)> inform;
    // Returns the file to save a prepared report in (`forSaving`) or to open
    // one from, or an empty string when cancelled.
    std::function<QString(QWidget *parent, bool forSaving)> reportFileName;
};
void setPreviewHooks(PreviewHooks hooks);

// The preview window of a prepared report: modeless, opening at page width
// on the first page, with zoom, page stepping, printer set-up, printing and
// saving as PDF; a report saved from it can be opened again in a preview of
// its own. It shows, prints and saves the pages it was given, whatever later
// runs do to the sheets.
class ReportPreview : public QWidget
{
    Q_OBJECT

public:
    explicit ReportPreview(std::shared_ptr<const PreparedReport> report, QWidget *parent = nullptr);
    ~ReportPreview() override;

    const PreparedReport &report() const { return *m_report; }
    QPrintPreviewWidget *pageView() const { return m_view; }
    QPrinter &printer() { return m_printer; }

    // From 1.
    int currentPage() const;
    void setCurrentPage(int number);

    // Writes exactly the pages shown.
    ExportResult exportPdf(const QString &path) const;
    // The name "Зберегти як PDF" offers (the card's file name with ".pdf").
    void setPdfName(const QString &name) { m_pdfName = name; }
    QString pdfName() const { return m_pdfName; }

public slots:
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void fitPage();
    void fitWidth();
    void actualSize();
    void printerSetup();
    void print();
    void saveAsPdf();
    void saveReport();
    // Opens a saved report in a new preview window, which it returns (null
    // when cancelled or when the file could not be read).
    ReportPreview *loadReport();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildActions();
    void buildThumbnails();
    void paintPages(QPrinter *printer);
    void showPosition();
    void showZoom();

    std::shared_ptr<const PreparedReport> m_report;
    QPrinter m_printer;
    QPrintPreviewWidget *m_view = nullptr;
    QListWidget *m_thumbnails = nullptr;
    QLabel *m_position = nullptr;
    QLabel *m_zoom = nullptr;
    QString m_pdfName;
};
