#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CompositeReport;
class PreparedReport;
class SheetSet;

// "Друк" of a card as its values stand, with or without a window: the
// shared sheets filled from the card, the notices shown through the dialogs
// service, the pages prepared and, if asked, written to a PDF file.

// Fills the sheets and returns the notices in the order they arose.
using SheetFill = std::function<QStringList(SheetSet &)>;
// Appends the sheets of the run to the report, in print order.
using SheetOrder = std::function<void(CompositeReport &, const SheetSet &)>;

// Fills the shared sheets with `fill` and shows the notices of the filling.
void fillSharedSheets(const SheetFill &fill);
// The pages of a run of `report`, after the notices of the fields that did
// not fit their boxes (which follow those of the filling).
std::shared_ptr<const PreparedReport> preparePages(CompositeReport &report);

// Fills the shared sheets and prepares the sheets `order` lists.
std::shared_ptr<const PreparedReport> prepareSheets(const SheetFill &fill, const SheetOrder &order);
// Writes prepared pages to the PDF file `path`; false (with the reason
// shown) when the file could not be written.
bool writePagesToPdf(const PreparedReport &pages, const QString &path);
