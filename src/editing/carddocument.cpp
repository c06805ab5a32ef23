#include "editing/carddocument.h"

#include "editing/printedsheets.h"
#include "reports/preparedreport.h"

bool CardDocument::printToPdf(const QString &path)
{
    const std::shared_ptr<const PreparedReport> pages = printedPages();
    return pages && writePagesToPdf(*pages, path);
}
