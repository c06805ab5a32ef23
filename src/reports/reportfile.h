#pragma once

#include "reports/preparedreport.h"

#include <memory>

// A prepared report kept in a file of its own, to be shown and printed again
// later exactly as it was prepared.
namespace reportfile {

// The file name pattern of the dialogs.
inline constexpr const char *kSuffix = "ovrz";

// Writes the pages; the file is replaced only when it was written completely.
ExportResult save(const PreparedReport &report, const QString &path);
// The pages of a file written by save(), or null and a message for the user
// when the file cannot be read or holds no report.
std::shared_ptr<const PreparedReport> load(const QString &path, QString *error);

} // namespace reportfile
