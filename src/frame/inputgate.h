#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QKeyEvent;
class QWidget;

// The end-of-input gate and the unsaved-changes flag of one card editor.
//
// Saving and printing are released only by "Кінець введення"; the next key
// released in a field marked changed locks both again and marks the card
// changed. Only a key that was also pressed in that field, while its window
// was the active one, counts: the release of Enter or Esc that closed a
// dialog or a menu, or of a key pressed in another field or window, lands in
// the field with the focus but is no typing there. The keys that do not edit
// (Tab arriving from the previous field, the modifier keys alone, the
// function keys and anything pressed with Alt, which belong to the menu and
// the buttons' accelerators) do not count either. Text pasted or dropped
// into a marked field with the mouse counts like typing.
class InputGate : public QObject
{
    Q_OBJECT
public:
    explicit InputGate(QObject *parent = nullptr);

    // The save and print items; both are disabled at once.
    void setActions(QAction *save, QAction *print);

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    // The shared changed handler: locks saving and printing, marks the card.
    void changed();
    // "Кінець введення": releases saving and printing.
    void endInput();
    // Locks only the save item (a key released on the OKD window itself).
    void lockSaving();

    // What typing in a watched field does.
    enum class Typing {
        LocksAndMarks, // changed(): locks saving and printing, marks the card
        Marks,         // only marks the card changed
    };
    // Runs the typing's effect for every key released in `field` and for
    // text the user puts there by other ways. Picking an item of a combo box
    // or ticking a check box with the mouse marks the card changed.
    void watch(QWidget *field, Typing typing = Typing::LocksAndMarks);

signals:
    // The card was changed (typing, or the program marking it changed).
    void cardChanged();
    // The flag was cleared: the card was saved or its changes abandoned.
    void changesSettled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The keys pressed in the field m_pressedIn and not yet released.
    void keyPressed(QObject *field, const QKeyEvent &event);
    bool keyReleased(QObject *field, const QKeyEvent &event);
    void typed(const QObject *field);

    QPointer<QAction> m_save;
    QPointer<QAction> m_print;
    bool m_modified = false;
    const QObject *m_pressedIn = nullptr; // compared only, never used
    QList<int> m_pressedKeys;
    QList<const QObject *> m_marksOnly; // compared only, never used
};

// Keeps the text of `field` free of leading and trailing blanks after every
// key released there.
void trimOnKey(QWidget *field);

// Whether a released key counts as typing in a field.
bool isTypingKey(const QKeyEvent &event);
