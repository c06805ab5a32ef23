#include "app/carddocument.h"

#include "app/cardprinting.h"
#include "reports/preparedreport.h"

bool CardDocument::printToPdf(const QString &path)
{
    const std::shared_ptr<const PreparedReport> pages = printedPages();
    return pages && writePagesToPdf(*pages, path);
}
