#pragma once

#include "app/unsavedchanges.h"

#include <QString>
#include <QStringList>

#include <functional>

class CardEditor;
class QCloseEvent;
class QTabWidget;
class QWidget;

// What the three card editors do alike with their window and their card.

// "Вихід": the unsaved-changes question (settleUnsavedChanges), then the window closes. Returns
// whether it closed.
bool leaveEditor(QWidget *window, CardEditor &editor);

// "Новий": the question, then the window closes and a fresh, empty editor of
// the same kind opens. Returns whether it did.
bool renewEditor(QWidget *window, CardEditor &editor);

// The window's close box asks the same question as "Вихід"; Cancel keeps the
// window open. Call from closeEvent.
void confirmClose(QCloseEvent *event, CardEditor &editor);

// "Записати як...": the save dialog offers `saveName` (`defaultName` while it
// is empty); the chosen name is kept in `saveName` and the card's lines, made
// by `cardLines` only then, are written there. A completed write clears the
// unsaved-changes flag; a failed one shows why and leaves the flag. Returns
// whether the card was written.
bool saveCardAs(CardEditor &editor, QString &saveName, const QString &defaultName,
                const std::function<QStringList()> &cardLines);

// "Відкрити...": the unsaved-changes question, then the open dialog. Returns
// the chosen file when it exists, or an empty string when the user cancelled
// (either) or chose no existing file; the card is then untouched.
QString chooseCardToOpen(CardEditor &editor);

// "Вперед" (step 1) and "Назад" (step -1): the next or previous page whose
// tab is shown, the first again after the last and the last before the first.
void stepPage(QTabWidget *pages, int step);
