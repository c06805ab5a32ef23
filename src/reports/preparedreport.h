#pragma once

#include "reports/pageformat.h"
#include "reports/sheetitems.h"
#include "reports/sheetpainter.h"

#include <QImage>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class ReportSheet;

// One page as it was when its sheet was prepared: a frozen copy of the
// sheet's items, independent of the live sheet that later runs refill.
struct PreparedPage
{
    QString sheetName;
    PageFormat format;
    std::vector<SheetItem> items;
    // The text of each item as it prints, laid out once when the page is
    // prepared.
    SheetPainter::PageTexts texts;
    int number = 0; // 1, 2, ... running on across the sheets of one run

    static PreparedPage of(const ReportSheet &sheet, int number);
    // The item of that name, or null.
    const SheetItem *item(const QString &name) const;
};

// The outcome of writing a file: success, or a message for the user.
struct ExportResult
{
    bool ok = false;
    QString error;

    explicit operator bool() const { return ok; }
};

// The pages of one run of a composite report, prepared once and shown,
// printed or saved as they are.
class PreparedReport
{
public:
    PreparedReport() = default;
    explicit PreparedReport(std::vector<PreparedPage> pages) : m_pages(std::move(pages)) {}

    int pageCount() const { return int(m_pages.size()); }
    // The fields whose text was cut to fit their boxes, once each, in page
    // order, and what the clerk is told about each.
    QStringList cutFields() const;
    QStringList cutNotices() const;
    const PreparedPage &page(int index) const { return m_pages.at(size_t(index)); }

    // Paints page `index` (from 0) with the whole A4 paper mapped onto `target`.
    void paintPage(QPainter &painter, int index, const QRectF &target) const;
    // The page as a white image of A4 at `dotsPerInch`.
    QImage pageImage(int index, double dotsPerInch) const;

    // Prints pages `first` to `last` (from 1; 0 and 0 for all) onto a
    // printer or any paged device, one sheet of paper per page. Returns
    // false when the device could not be opened for painting.
    bool printOn(QPrinter &printer) const;
    bool paintOn(QPagedPaintDevice &device, int first = 0, int last = 0) const;

    // Writes the pages as an A4 PDF file. The file is replaced only when it
    // was written completely; a failure names the file and the reason.
    ExportResult writePdf(const QString &path) const;

private:
    std::vector<PreparedPage> m_pages;
};
