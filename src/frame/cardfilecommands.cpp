#include "frame/cardfilecommands.h"

#include "cardfile/cardwriter.h"
#include "dialogs/dialogs.h"
#include "frame/cardeditor.h"
#include "frame/editorcommands.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>

namespace cardfilecommands {

bool saveAs(CardEditor &editor, QString &saveName, const QString &defaultName,
            const std::function<QStringList()> &lines)
{
    const QString name =
        dialogs().saveFileName(QStringLiteral("Текстовые файлы|*.txt"), QStringLiteral("txt"),
                               saveName.isEmpty() ? defaultName : saveName);
    if (name.isEmpty())
        return false;
    saveName = name;
    if (!writeCard(name, lines()))
        return false;
    editor.setModified(false);
    return true;
}

bool writeCard(const QString &path, const QStringList &lines)
{
    const cardfile::FileResult written = cardfile::writeCardFile(path, lines);
    if (!written.ok)
        dialogs().informFailure(written.error);
    return written.ok;
}

QString readingDate()
{
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

void warnOfOtherKind(const QString &path, const QString &prefix, const QString &warning)
{
    const QString bareName = QFileInfo(path).fileName();
    if (bareName.startsWith(prefix) || bareName.startsWith(prefix.toUpper()))
        dialogs().inform(warning + bareName);
}

bool openCard(const QString &path,
              const std::function<cardfile::FileResult(const cardfile::LoadedCard &)> &fill)
{
    cardfile::LoadedCard file;
    const cardfile::FileResult loaded = cardfile::loadCardFile(path, file);
    if (!loaded.ok)
        return tellReadingOutcome(loaded);
    return tellReadingOutcome(fill(file));
}

std::optional<QString> chooseFileToOpen(CardEditor &editor)
{
    if (!settleUnsavedChanges(editor))
        return std::nullopt;
    const QString path = dialogs().openFileName(QStringLiteral("Все файлы|*.*"));
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QString();
    return path;
}

} // namespace cardfilecommands
