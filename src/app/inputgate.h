#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

// The end-of-input gate and the unsaved-changes flag of one card editor.
//
// Saving and printing are released only by "Кінець введення"; the next key
// released in a field marked changed locks both again and marks the card
// changed. The keys that do not edit (Tab arriving from the previous field,
// the modifier keys alone, the function keys and anything pressed with Alt,
// which belong to the menu and the buttons' accelerators) do not count. Text pasted or dropped
// into a marked field with the mouse counts like typing.
class InputGate : public QObject
{
    Q_OBJECT
public:
    explicit InputGate(QObject *parent = nullptr);

    // The save and print items; both are disabled at once.
    void setActions(QAction *save, QAction *print);

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // The shared changed handler: locks saving and printing, marks the card.
    void changed();
    // "Кінець введення": releases saving and printing.
    void endInput();
    // Locks only the save item (a key released on the OKD window itself).
    void lockSaving();

    // Runs changed() for every key released in `field` and for text the user
    // puts there by other ways.
    void watch(QWidget *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QAction> m_save;
    QPointer<QAction> m_print;
    bool m_modified = false;
};

// Keeps the text of `field` free of leading and trailing blanks after every
// key released there.
void trimOnKey(QWidget *field);

// Whether a released key counts as typing in a field.
bool isTypingKey(const class QKeyEvent &event);
