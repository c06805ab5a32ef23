#include "app/editorcommands.h"

#include "app/cardeditor.h"
#include "app/dialogs.h"
#include "cardfile/cardwriter.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QTabWidget>

bool leaveEditor(QWidget *window, CardEditor &editor)
{
    return settleUnsavedChanges(editor) && window->close();
}

bool renewEditor(QWidget *window, CardEditor &editor)
{
    if (!leaveEditor(window, editor))
        return false;
    openEditor(editor.cardKind());
    return true;
}

void confirmClose(QCloseEvent *event, CardEditor &editor)
{
    if (settleUnsavedChanges(editor))
        event->accept();
    else
        event->ignore();
}

bool saveCardAs(CardEditor &editor, QString &saveName, const QString &defaultName,
                const std::function<QStringList()> &cardLines)
{
    const QString name =
        dialogs().saveFileName(QStringLiteral("Текстовые файлы|*.txt"), QStringLiteral("txt"),
                               saveName.isEmpty() ? defaultName : saveName);
    if (name.isEmpty())
        return false;
    saveName = name;
    const cardfile::FileResult written = cardfile::writeCardFile(name, cardLines());
    if (!written.ok) {
        dialogs().inform(written.error);
        return false;
    }
    editor.setModified(false);
    return true;
}

QString chooseCardToOpen(CardEditor &editor)
{
    if (!settleUnsavedChanges(editor))
        return {};
    const QString path = dialogs().openFileName(QStringLiteral("Все файлы|*.*"));
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    return path;
}

void stepPage(QTabWidget *pages, int step)
{
    const int count = pages->count();
    int index = pages->currentIndex();
    for (int tried = 0; tried < count; ++tried) {
        index = ((index + step) % count + count) % count;
        if (pages->isTabVisible(index)) {
            pages->setCurrentIndex(index);
            return;
        }
    }
}
