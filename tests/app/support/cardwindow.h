#pragma once

#include "app/scripteddialogs.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>

class QAction;
class QWidget;

// A card editor window driven as the clerk drives it: controls are found by
// name, focused, typed into and left with Tab; dialogs answer from a script
// and record what they show. Each card's driver makes its window and names
// its menu items.
class CardWindow
{
public:
    CardWindow();
    virtual ~CardWindow();
    CardWindow(const CardWindow &) = delete;
    CardWindow &operator=(const CardWindow &) = delete;

    ScriptedDialogs &dialogs() { return m_dialogs; }
    QStringList messages() const { return m_dialogs.texts(); }
    void forgetMessages() { m_dialogs.clear(); }

    QWidget *control(const QString &name) const;
    QAction *action(const QString &name) const;
    QString text(const QString &name) const;
    // The item a radio group shows.
    int itemIndex(const QString &radioGroup) const;
    // Name of the control with the focus (a combo box for its line edit).
    QString focused() const;

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
    void click(const QString &widget);
    // Clicks item `index` of a radio group.
    void choose(const QString &radioGroup, int index);
    void trigger(const QString &action);

    QString path(const QString &fileName) const { return m_folder.filePath(fileName); }

protected:
    // Shows the card's window, made after the dialogs were installed, and
    // waits until it is active. The driver deletes it unless it closed.
    void adopt(QWidget *window);
    QWidget *widget() const { return m_window; }

    // "Кінець введення", then the save item `saveAction`, to a file in a
    // temporary folder; its bytes.
    QByteArray saveWith(const QString &saveAction);
    // The open item `openAction` on `bytes` stored under `fileName` in a
    // temporary folder.
    void openWith(const QString &openAction, const QByteArray &bytes, const QString &fileName);

private:
    ScriptedDialogs m_dialogs;
    QTemporaryDir m_folder;
    QPointer<QWidget> m_window;
};
