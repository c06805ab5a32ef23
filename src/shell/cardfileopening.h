#pragma once

#include <QStringList>

class TMainForm;
class QWidget;

// Opens the card file at `path` in a new editor of the kind its 5013 line
// names, as that editor's "Відкрити..." would read it (same warnings and
// caption). A file that is missing, unreadable or of no known kind opens no
// editor and is named in a message. Returns the editor, or nullptr.
QWidget *openCardFileInNewEditor(TMainForm &mainForm, const QString &path);
// The same for each of `paths` in turn.
void openCardFilesInNewEditors(TMainForm &mainForm, const QStringList &paths);
