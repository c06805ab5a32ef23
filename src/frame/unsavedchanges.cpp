#include "frame/unsavedchanges.h"

#include "dialogs/dialogs.h"
#include "frame/cardeditor.h"

bool settleUnsavedChanges(CardEditor &editor)
{
    while (editor.isModified()) {
        switch (dialogs().ask(questionCaption(editor.cardKind()),
                              QStringLiteral("Зберегти зміни в картці?"))) {
        case Dialogs::Answer::Yes:
            if (editor.saveAs())
                editor.setModified(false);
            break;
        case Dialogs::Answer::No:
            editor.setModified(false);
            break;
        case Dialogs::Answer::Cancel:
            return false;
        }
    }
    return true;
}
