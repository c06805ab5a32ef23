#include "cardfile/atomicfile.h"

#include "cardfile/fileerror.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <unistd.h>

namespace cardfile {
namespace {

FileResult writeFailure(const QString &path, bool existed, int systemError, const QString &qtError)
{
    QString message = QStringLiteral("Не вдалося записати файл «%1»: %2.")
                          .arg(displayPath(path),
                               fileFailureReason(path, FileAccess::Write, systemError, qtError));
    if (existed)
        message += QStringLiteral(" Файл, що вже був на диску, залишився без змін.");
    return FileResult::failure(message);
}

} // namespace

FileResult writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const bool existed = QFileInfo(path).isFile();
    QSaveFile file(path);
    const auto failed = [&](int systemError) {
        const QString qtError = file.errorString();
        file.cancelWriting();
        return writeFailure(path, existed, systemError, qtError);
    };
    // Unbuffered, so that a full disk or a size limit shows at the write
    // itself; a buffered write only fills memory and fails when the file is
    // committed, where the failure would go unnoticed.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(errno);
    errno = 0;
    if (file.write(bytes) != bytes.size())
        return failed(errno ? errno : EIO);
    // What the file system still holds back must reach the disk before the
    // new file replaces the old one.
    errno = 0;
    if (!file.flush() || ::fsync(file.handle()) != 0)
        return failed(errno ? errno : EIO);
    errno = 0;
    if (file.error() != QFileDevice::NoError || !file.commit()) {
        const int systemError = errno;
        return writeFailure(path, existed, systemError, file.errorString());
    }
    return FileResult::success();
}

} // namespace cardfile
