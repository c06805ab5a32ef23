#pragma once

#include "cardfile/fileresult.h"

#include <QByteArray>
#include <QString>

namespace cardfile {

// Writes `bytes` to `path`, replacing an existing file in one step: until the
// new file is complete and on disk the old one stays byte for byte as it was,
// also when the write fails part-way (a full disk, a quota, a size limit, an
// input/output error). Every step is checked, so a failure is never reported
// as done. The message names the file and the reason, and says when the old
// file was kept.
FileResult writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace cardfile
