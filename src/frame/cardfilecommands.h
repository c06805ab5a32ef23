#pragma once

#include "cardfile/cardreader.h"

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

// How an editor or a document opens the card file at `path`: the file is
// read and tested first, and only a file that holds card lines goes to
// `fill`, which empties the card and reads the loaded file into it; a file
// that cannot be read, or holds no card, leaves the card as it was. The
// outcome is told the clerk. Returns whether the card was read whole.
bool openCard(const QString &path,
              const std::function<cardfile::FileResult(const cardfile::LoadedCard &)> &fill);

// The unsaved-changes question, then the open dialog. Nothing when the
// question was cancelled; an empty path when the dialog was cancelled or the
// file chosen does not exist; else the path.
std::optional<QString> chooseFileToOpen(CardEditor &editor);

} // namespace cardfilecommands
