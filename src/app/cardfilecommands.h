#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class CardEditor;

// "Записати як..." and the first steps of "Відкрити..." as every card editor
// does them.
namespace cardfilecommands {

// The save dialog proposes `saveName` (`defaultName` while it is empty); the
// chosen name is kept in `saveName`, the card's `lines` are written there
// and the unsaved-changes flag is cleared. A failed write is reported and
// leaves the flag set. Returns whether the card was written.
bool saveAs(CardEditor &editor, QString &saveName, const QString &defaultName,
            const std::function<QStringList()> &lines);

// Writes the card's `lines` to `path`; a failed write is reported. Returns
// whether the card was written.
bool writeCard(const QString &path, const QStringList &lines);

// What opening a card file puts into the registration date field: today.
QString readingDate();
// Before a file whose name starts with `prefix` (lower case as given, or
// upper case) is read, the clerk is told it seems to hold a card of the
// other kind: `warning` followed by the file's name.
void warnOfOtherKind(const QString &path, const QString &prefix, const QString &warning);

// The unsaved-changes question, then the open dialog. Nothing when the
// question was cancelled; an empty path when the dialog was cancelled or the
// file chosen does not exist; else the path.
std::optional<QString> chooseFileToOpen(CardEditor &editor);

} // namespace cardfilecommands
