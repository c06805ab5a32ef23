#include "frame/editorcommands.h"

#include "frame/cardeditor.h"

#include <QCloseEvent>
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
