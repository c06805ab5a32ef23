#include "shell/cardfileopening.h"

#include "cardfile/cardkindoffile.h"
#include "dialogs/dialogs.h"
#include "frame/cardeditor.h"
#include "frame/editorregistry.h"
#include "shell/mainform.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QWidget *openCardFileInNewEditor(TMainForm &mainForm, const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        dialogs().inform(u"Файл картки «%1» не знайдено."_s.arg(path));
        return nullptr;
    }
    const KindOfFile found = kindOfCardFile(file.absoluteFilePath());
    if (!found.kind) {
        dialogs().inform(
            !found.readingError.isEmpty()
                ? found.readingError
                : u"За рядком 5013 файлу «%1» вид картки не визначити (01 — РК, 02 "
                  u"або 03 — ОК, 04 або 05 — ОКД): картку не відкрито."_s.arg(file.fileName()));
        return nullptr;
    }
    QWidget *editor = mainForm.openCard(*found.kind);
    if (editor)
        cardEditorOf(editor)->readCard(file.absoluteFilePath());
    return editor;
}

void openCardFilesInNewEditors(TMainForm &mainForm, const QStringList &paths)
{
    for (const QString &path : paths)
        openCardFileInNewEditor(mainForm, path);
}
