#pragma once

#include "dialogs/scripteddialogs.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>

#include <functional>

class QAction;
class QWidget;

// A card editor window driven as the clerk drives it: controls are found by
// name, focused, typed into and left with Tab; dialogs answer from a script
// and record what they show.
class CardWindow
{
public:
    // Shows and activates `window`, which the driver owns from now on. The
    // dialogs answer from the script from before it is created.
    explicit CardWindow(const std::function<QWidget *()> &create);
    ~CardWindow();

    // Null once the window has closed (it frees itself).
    QWidget *widget() const { return m_window; }
    ScriptedDialogs &dialogs() { return m_dialogs; }
    QStringList messages() const { return m_dialogs.texts(); }
    void forgetMessages() { m_dialogs.clear(); }

    QWidget *control(const QString &name) const;
    QAction *action(const QString &name) const;
    QString text(const QString &name) const;
    // Name of the control with the focus.
    QString focused() const;
    // The item a radio group shows.
    int itemIndex(const QString &radioGroup) const;

    // Puts a text into a control as the program does (no typing, no checks).
    void fill(const QString &name, const QString &text);

    void focus(const QString &name);
    // Focuses the control and types `keys` into it.
    void type(const QString &name, const QString &keys);
    // Focuses the control, selects all it holds and deletes it.
    void erase(const QString &name);
    void tab();
    // Types into the control and leaves it with Tab.
    void enter(const QString &name, const QString &keys);
    void click(const QString &button);
    // Clicks item `index` of a radio group.
    void choose(const QString &radioGroup, int index);
    void trigger(const QString &action);
    // Chooses the menu item `action` with the mouse: its menu is opened from
    // the menu bar, so the field with the cursor loses the focus to it first.
    void chooseFromMenu(const QString &action);

    // "Записати як..." to a file in a temporary folder; its bytes.
    QByteArray save() { return saveWith(QStringLiteral("N6")); }
    // "Відкрити..." of `bytes` stored under `fileName` in a temporary folder.
    void open(const QByteArray &bytes, const QString &fileName = QStringLiteral("card.txt"))
    {
        openWith(QStringLiteral("N4"), bytes, fileName);
    }
    QString path(const QString &fileName) const { return m_folder.filePath(fileName); }

protected:
    // "Кінець введення", then the save item `saveAction`, to a file in a
    // temporary folder; its bytes.
    QByteArray saveWith(const QString &saveAction);
    // The open item `openAction`, chosen from its menu, on `bytes` stored
    // under `fileName` in a temporary folder.
    void openWith(const QString &openAction, const QByteArray &bytes, const QString &fileName);

private:
    ScriptedDialogs m_dialogs;
    QTemporaryDir m_folder;
    QPointer<QWidget> m_window;
};
