#pragma once

#include <QString>
#include <QStringView>

// Turns a failed file operation into a reason a clerk understands, in
// Ukrainian, so that card files are never reported in system jargon.
namespace cardfile {

enum class FileAccess { Read, Write };

// Why `path` could not be read or written. The file system is looked at first
// (a missing folder, a folder standing where the file should be); otherwise
// `systemError` (the errno of the failed call, 0 when unknown) decides, and
// `qtError` (QIODevice::errorString) is quoted only when nothing else fits.
// The result is a clause without a final full stop, e.g. "папки «/a/b» не існує".
QString fileFailureReason(const QString &path, FileAccess access, int systemError,
                          const QString &qtError);

// `path` as the clerk should see it in a message.
QString displayPath(const QString &path);

// A value as a message quotes it: at most 60 characters, then "…", with
// control characters (line breaks among them) shown as blanks.
QString shownValue(QStringView value);

} // namespace cardfile
