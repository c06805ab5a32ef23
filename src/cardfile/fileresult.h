#pragma once

#include <QString>

#include <utility>

namespace cardfile {

// Outcome of reading or writing a card file. The card file code never shows
// anything itself: on failure `error` holds a complete message for the clerk,
// in Ukrainian, which the editor passes to the dialogs service as it is.
struct FileResult
{
    bool ok = true;
    QString error;
    // Something the clerk is told once whatever the outcome (a card read from
    // another encoding); empty when there is nothing to tell.
    QString notice;
    // The reading stopped part-way, at a line the card could not take; the
    // lines before it were applied.
    bool stopped = false;

    static FileResult success() { return {}; }
    static FileResult failure(QString message) { return {false, std::move(message), {}, false}; }
};

} // namespace cardfile
