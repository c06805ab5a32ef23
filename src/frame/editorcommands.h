#pragma once

#include "frame/unsavedchanges.h"

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

// "Вперед" (step 1) and "Назад" (step -1): the next or previous page whose
// tab is shown, the first again after the last and the last before the first.
void stepPage(QTabWidget *pages, int step);
