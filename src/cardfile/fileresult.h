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

    static FileResult success() { return {}; }
    static FileResult failure(QString message) { return {false, std::move(message)}; }
};

} // namespace cardfile
