#include "cardfile/fileerror.h"

#include "cardfile/cardencoding.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace cardfile {
namespace {

QString quoted(const QString &path)
{
    return QStringLiteral("«%1»").arg(displayPath(path));
}

// What stands in the way of the folder that should hold `path`, if anything.
QString folderProblem(const QFileInfo &target)
{
    QFileInfo folder(target.absolutePath());
    if (folder.isDir())
        return {};
    // Climb to the nearest part of the path that exists.
    QFileInfo existing = folder;
    while (!existing.exists() && !existing.isRoot() &&
           existing.absoluteFilePath() != existing.absolutePath())
        existing = QFileInfo(existing.absolutePath());
    if (existing.exists() && !existing.isDir())
        return QStringLiteral("%1 — це файл, а не папка").arg(quoted(existing.absoluteFilePath()));
    return QStringLiteral("папки %1 не існує").arg(quoted(folder.absoluteFilePath()));
}

QString reasonFromSystem(const QFileInfo &target, FileAccess access, int systemError)
{
    switch (systemError) {
    case EACCES:
    case EPERM:
        return access == FileAccess::Read
                   ? QStringLiteral("немає дозволу на читання цього файлу")
                   : QStringLiteral("немає дозволу на запис у папку %1 або в цей файл")
                         .arg(quoted(target.absolutePath()));
    case EROFS:
        return QStringLiteral("диск або папка доступні лише для читання");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("на диску не вистачає місця");
    case EFBIG:
        return QStringLiteral("файл більший, ніж дозволяє система");
    case ENAMETOOLONG:
        return QStringLiteral("назва файлу або шлях до нього задовгі");
    case EIO:
        return QStringLiteral("збій диска під час читання або запису");
    case ENOENT:
        return access == FileAccess::Read
                   ? QStringLiteral("такого файлу немає")
                   : QStringLiteral("папки %1 не існує").arg(quoted(target.absolutePath()));
    case ENOTDIR:
        return QStringLiteral("у шляху до файлу стоїть файл там, де має бути папка");
    case EISDIR:
        return QStringLiteral("це папка, а не файл");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("у системі відкрито забагато файлів");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("файл зайнятий іншою програмою");
    default:
        return {};
    }
}

} // namespace

QString displayPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString shownValue(QStringView value)
{
    constexpr qsizetype longest = 60;
    QString shown = blankedControls(value.first(std::min(value.size(), longest)).toString());
    if (value.size() > longest)
        shown += QChar(0x2026);
    return shown;
}

QString fileFailureReason(const QString &path, FileAccess access, int systemError,
                          const QString &qtError)
{
    const QFileInfo target(path);
    if (access == FileAccess::Read) {
        if (target.isDir())
            return QStringLiteral("це папка, а не файл");
        if (!target.exists()) {
            const QString folder = folderProblem(target);
            return folder.isEmpty() ? QStringLiteral("такого файлу немає") : folder;
        }
    } else {
        if (target.isDir())
            return QStringLiteral("на місці файлу стоїть папка з такою самою назвою");
        const QString folder = folderProblem(target);
        if (!folder.isEmpty())
            return folder;
    }
    const QString reason = reasonFromSystem(target, access, systemError);
    if (!reason.isEmpty())
        return reason;
    if (!qtError.isEmpty())
        return QStringLiteral("системна помилка (%1)").arg(qtError);
    return QStringLiteral("невідома системна помилка");
}

} // namespace cardfile
