#pragma once

#include "cardfile/editmask.h"

#include <QClipboard>
#include <QLineEdit>

// A single-line field on an edit mask written as the catalogues write it
// ("99.99.99;1;_", "!9999;1; ", ">LLLlcc...;0; "; see EditMask). An empty mask
// makes it a plain edit line whose maximum length limits typing only.
//
// text() is the read-back form the checks and the card files use: a space in
// every empty position, the literals kept, so an untouched "99.99.99" reads
// "  .  .  ". setText() is the program assigning a value: it is placed through
// the mask and never cut by the maximum length. The field shows the blank
// character in empty positions, starts typing at the first open position when
// an untouched field is entered, and refuses "\" and characters that the card
// file's code page cannot hold, typed or pasted. Once the user has edited it,
// the field cannot be left while a required position (mask characters 0, L,
// A, C) is blank, unless it is blank altogether: it keeps the focus and says
// why through the dialogs service. Held back are Tab and Backtab, clicks that
// would give another widget of the window the focus or press its button or
// tab (caught on the window, before QApplication moves the focus), keyboard
// accelerators of the window and Ctrl+Tab/Ctrl+PgUp/Ctrl+PgDn; a focus move
// the program makes itself, or hiding the field, is not held back. A refused
// key or paste sounds the dialogs service's beep.
//
// Pitfall: text(), setText(), clear(), maxLength(), setMaxLength(), cut(),
// copy() and paste() hide QLineEdit's functions of the same names, which are
// not virtual. Called through a QLineEdit*:
//  - text() returns what the field shows (the blank character "_" in empty
//    positions, the literals even when the mask leaves them out, and the
//    typed order under "!") - never use it for checks or files;
//  - setText(), clear() and the other edits QLineEdit makes itself (insert(),
//    paste(), cut(), undo()) still reach the field: it notices the change and
//    places the text through the mask as the program's own, unchecked;
//  - setMaxLength() would make the next setText() cut a long text.
// Hold the control as a MaskedEdit*.
class MaskedEdit : public QLineEdit
{
    Q_OBJECT
    // Generic code reading or writing the "text" property gets the read-back
    // form and the program's placement, as through a MaskedEdit*.
    Q_PROPERTY(QString text READ text WRITE setText USER true)
    Q_PROPERTY(QString editMask READ editMask WRITE setEditMask)
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)

public:
    explicit MaskedEdit(QWidget *parent = nullptr);
    explicit MaskedEdit(const QString &editMask, QWidget *parent = nullptr);
    ~MaskedEdit() override;

    QString editMask() const { return mask_.written(); }
    // Changes the mask while the program runs (the 8- and 10-digit codes): the
    // text held is placed into the new mask as far as it fits, so digits
    // already typed are kept. Setting the same mask again changes nothing.
    void setEditMask(const QString &editMask);
    const EditMask &mask() const { return mask_; }

    QString text() const;
    void setText(const QString &text);
    void clear() { setText(QString()); }

    // The most characters the user may type into a field without a mask.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);

    // Whether the user has changed the text since the program last set it.
    bool isEdited() const { return edited_; }
    // Whether the focus may leave: false while an edited field has a required
    // position blank and is not blank altogether.
    bool mayBeLeft() const;
    // What the field says when it refuses to be left.
    static QString incompleteMessage();

    void cut();
    void copy() const;
    void paste(QClipboard::Mode mode = QClipboard::Clipboard);

signals:
    // Every key released in the field, after the field has handled it (the
    // card's changed handler hangs on this).
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    bool isMasked() const { return !mask_.isEmpty(); }
    bool refuseLeaving();
    bool wouldTakeFocus(QWidget *target) const;
    void keyPressMasked(QKeyEvent *event);
    void keyPressPlain(QKeyEvent *event);
    void typeMasked(const QString &typed);
    bool mayTypePlain(const QString &typed) const;
    void erase(bool backwards);
    void applyEdit(const EditMask::Edit &edit);
    void showState(int cursor);
    int cursorAfterContent() const;
    void adoptShownText(const QString &shown);
    void watchClicks(bool on);

    EditMask mask_;
    QString state_; // one character per mask position; a space is an empty position
    bool edited_ = false;
    bool tabbing_ = false;
    bool watching_ = false;
    int maxLength_ = 32767;
};
