#pragma once

#include "cardfile/cardkind.h"

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

// The menu of a card editor: "Файл" with new, open, save as, print and exit,
// and the help item at the top level; checking the card. The three editors name and caption the
// items differently; the structure is the same.
struct EditorMenuSpec
{
    struct Item
    {
        QString name; // objectName of the menu or action
        QString caption;
    };
    Item file, newCard, open, saveAs, separator1, print, separator2, exit, help;
    // "Перевірити картку", the same in every editor.
    Item check{"checkCard", "Перевірити картку"};
    QKeySequence checkShortcut{Qt::Key_F9};
};

struct EditorMenu
{
    QMenu *file = nullptr;
    QAction *newCard = nullptr;
    QAction *open = nullptr;
    QAction *saveAs = nullptr;
    QAction *print = nullptr;
    QAction *check = nullptr;
    QAction *exit = nullptr;
    QAction *help = nullptr;
};

// The menu of the editor of `kind`.
EditorMenuSpec editorMenuSpec(CardKind kind);

// Builds the menu on `bar`; every menu, item and separator is named.
// "Перевірити картку" opens the check window of the bar's window.
EditorMenu buildEditorMenu(QMenuBar *bar, const EditorMenuSpec &layout);
