#include "controls/maskededit.h"

#include "cardfile/codepage.h"
#include "dialogs/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTabBar>
#include <QWindow>

namespace {
// Keys that only move the cursor or the selection; QLineEdit handles them.
bool movesCursor(const QKeyEvent *event)
{
    static const QKeySequence::StandardKey moves[] = {
        QKeySequence::MoveToNextChar,
        QKeySequence::MoveToPreviousChar,
        QKeySequence::MoveToNextWord,
        QKeySequence::MoveToPreviousWord,
        QKeySequence::MoveToStartOfLine,
        QKeySequence::MoveToEndOfLine,
        QKeySequence::MoveToStartOfBlock,
        QKeySequence::MoveToEndOfBlock,
        QKeySequence::MoveToStartOfDocument,
        QKeySequence::MoveToEndOfDocument,
        QKeySequence::SelectNextChar,
        QKeySequence::SelectPreviousChar,
        QKeySequence::SelectNextWord,
        QKeySequence::SelectPreviousWord,
        QKeySequence::SelectStartOfLine,
        QKeySequence::SelectEndOfLine,
        QKeySequence::SelectStartOfBlock,
        QKeySequence::SelectEndOfBlock,
        QKeySequence::SelectStartOfDocument,
        QKeySequence::SelectEndOfDocument,
        QKeySequence::SelectAll,
    };
    for (const QKeySequence::StandardKey move : moves) {
        if (event->matches(move))
            return true;
    }
    switch (event->key()) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        return false;
    }
}

bool isPrintable(const QString &text)
{
    for (const QChar c : text) {
        if (!c.isPrint())
            return false;
    }
    return true;
}

// A key that would put its text into the field.
bool typesText(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !event->text().isEmpty() && isPrintable(event->text()) &&
           !(event->modifiers() & commands);
}

// The clipboard text up to its first line break: a field holds one line.
QString firstLine(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n') || text.at(i) == QLatin1Char('\r')) {
            text.truncate(i);
            break;
        }
    }
    return text;
}
} // namespace

MaskedEdit::MaskedEdit(QWidget *parent) : MaskedEdit(QString(), parent) {}

MaskedEdit::MaskedEdit(const QString &editMask, QWidget *parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
    setDragEnabled(false);
    connect(this, &QLineEdit::textChanged, this, &MaskedEdit::adoptShownText);
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!isMasked())
            edited_ = true;
    });
    setEditMask(editMask);
}

MaskedEdit::~MaskedEdit()
{
    watchClicks(false);
}

QString MaskedEdit::incompleteMessage()
{
    return QStringLiteral("Введіть значення повністю або очистіть поле");
}

void MaskedEdit::setEditMask(const QString &editMask)
{
    if (editMask == mask_.written())
        return;
    const QString current = text();
    // A field entered by Tab has its whole text selected, so that typing
    // replaces it; a new mask keeps it so.
    const bool allSelected = hasSelectedText() && selectedText() == QLineEdit::text();
    mask_ = EditMask(editMask);
    if (!isMasked()) {
        state_.clear();
        const bool wasBlocked = blockSignals(true);
        QLineEdit::setText(current);
        blockSignals(wasBlocked);
    } else {
        state_ = mask_.place(current);
        showState(cursorAfterContent());
        if (text() != current)
            emit textChanged(text());
    }
    if (allSelected)
        selectAll();
}

QString MaskedEdit::text() const
{
    return isMasked() ? mask_.readBack(state_) : QLineEdit::text();
}

void MaskedEdit::setText(const QString &text)
{
    if (!isMasked()) {
        // QLineEdit's own limit stays at its maximum, so nothing is cut here.
        QLineEdit::setText(text);
        edited_ = false;
        return;
    }
    const QString placed = mask_.place(text);
    if (placed == state_)
        return;
    state_ = placed;
    edited_ = false;
    showState(cursorAfterContent());
    emit textChanged(this->text());
}

void MaskedEdit::setMaxLength(int length)
{
    maxLength_ = qMax(0, length);
}

bool MaskedEdit::mayBeLeft() const
{
    return !isMasked() || !edited_ || isReadOnly() || mask_.isBlank(state_) ||
           mask_.isComplete(state_);
}

// Something else changed what QLineEdit holds (setText or clear through a
// QLineEdit*): take it as the program's text.
void MaskedEdit::adoptShownText(const QString &)
{
    if (!isMasked() || QLineEdit::text() == mask_.display(state_))
        return;
    state_ = mask_.place(QLineEdit::text());
    edited_ = false;
    showState(cursorAfterContent());
    emit textChanged(text());
}

void MaskedEdit::showState(int cursor)
{
    const bool wasBlocked = blockSignals(true);
    const QString shown = mask_.display(state_);
    if (QLineEdit::text() != shown)
        QLineEdit::setText(shown);
    setCursorPosition(cursor);
    setModified(edited_);
    blockSignals(wasBlocked);
}

int MaskedEdit::cursorAfterContent() const
{
    for (int i = mask_.size() - 1; i >= 0; --i) {
        if (mask_.at(i).isOpen() && state_.at(i) != QLatin1Char(' '))
            return mask_.nextOpen(i + 1);
    }
    return mask_.firstOpen();
}

void MaskedEdit::applyEdit(const EditMask::Edit &edit)
{
    const bool changed = edit.state != state_;
    state_ = edit.state;
    edited_ = edited_ || changed;
    showState(edit.cursor);
    if (changed) {
        emit textChanged(text());
        emit textEdited(text());
    }
}

bool MaskedEdit::refuseLeaving()
{
    if (mayBeLeft())
        return false;
    dialogs().inform(incompleteMessage());
    return true;
}

bool MaskedEdit::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            tabbing_ = true;
            const bool handled = QLineEdit::event(event);
            tabbing_ = false;
            return handled;
        }
    }
    return QLineEdit::event(event);
}

bool MaskedEdit::focusNextPrevChild(bool next)
{
    // Only Tab is refused here; Qt also calls this to move the focus off a
    // field that is being hidden, which must not be held up.
    if (tabbing_ && refuseLeaving())
        return true;
    return QLineEdit::focusNextPrevChild(next);
}

// While the field has the focus, a click or a shortcut that would take the
// focus elsewhere in the same window is refused before anything moves, so
// nobody watching the focus sees a move that did not happen. Clicks are caught
// where the window system delivers them, on the window: by the time a press
// reaches a widget, QApplication has already given that widget the focus.
bool MaskedEdit::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (watched != window()->windowHandle() || mayBeLeft() || !hasFocus())
            return false;
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        QWidget *target = window()->childAt(at);
        if (!wouldTakeFocus(target ? target : window()))
            return false;
        break;
    }
    case QEvent::Shortcut: {
        if (!watched->isWidgetType() || mayBeLeft() || !hasFocus())
            return false;
        auto *target = static_cast<QWidget *>(watched);
        if (target == this || isAncestorOf(target) || target->window() != window() ||
            qobject_cast<QMenuBar *>(target))
            return false;
        break;
    }
    default:
        return false;
    }
    refuseLeaving();
    return true;
}

bool MaskedEdit::wouldTakeFocus(QWidget *target) const
{
    for (QWidget *widget = target; widget; widget = widget->parentWidget()) {
        if (widget == this || qobject_cast<QMenuBar *>(widget))
            return false;
        if (widget->isEnabled() &&
            (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QTabBar *>(widget) ||
             (widget->focusPolicy() & Qt::ClickFocus)))
            return true;
        if (widget->isWindow())
            break;
    }
    return false;
}

void MaskedEdit::watchClicks(bool on)
{
    if (on == watching_ || !qApp)
        return;
    watching_ = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void MaskedEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    const bool byTab =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (isMasked() && mask_.isBlank(state_))
        setCursorPosition(mask_.firstOpen());
    else if (byTab)
        selectAll(); // what is typed replaces what the field holds
    watchClicks(true);
}

void MaskedEdit::focusOutEvent(QFocusEvent *event)
{
    watchClicks(false);
    QLineEdit::focusOutEvent(event);
    // Under "!" the field shows what it holds once it is left: the blanks in front.
    if (isMasked() && mask_.alignsRight()) {
        const QString aligned = mask_.place(mask_.readBack(state_));
        if (aligned != state_) {
            state_ = aligned;
            showState(cursorAfterContent());
        }
    }
}

void MaskedEdit::mousePressEvent(QMouseEvent *event)
{
    const bool untouched = isMasked() && mask_.isBlank(state_);
    QLineEdit::mousePressEvent(event);
    if (untouched && event->button() == Qt::LeftButton)
        setCursorPosition(mask_.firstOpen());
}

void MaskedEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        paste(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void MaskedEdit::keyPressEvent(QKeyEvent *event)
{
    if (isMasked())
        keyPressMasked(event);
    else
        keyPressPlain(event);
}

void MaskedEdit::keyPressMasked(QKeyEvent *event)
{
    const int key = event->key();
    // Ctrl+Tab and Ctrl+PgUp/PgDn would reach the page control and turn the page.
    const bool turnsPage = (event->modifiers() & Qt::ControlModifier) &&
                           (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_PageUp ||
                            key == Qt::Key_PageDown);
    if (turnsPage && refuseLeaving()) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        event->accept();
        return;
    }
    if (movesCursor(event) || key == Qt::Key_Return || key == Qt::Key_Enter ||
        key == Qt::Key_Escape) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Every other key QLineEdit would edit with (undo, delete word, ...) is
    // kept away from it: its edits would bypass the mask.
    event->ignore();
    if (isReadOnly())
        return;
    if (event->matches(QKeySequence::Paste)) {
        paste();
        event->accept();
    } else if (event->matches(QKeySequence::Cut)) {
        cut();
        event->accept();
    } else if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        erase(key == Qt::Key_Backspace);
        event->accept();
    } else if (typesText(event)) {
        typeMasked(event->text());
        event->accept();
    }
}

void MaskedEdit::keyPressPlain(QKeyEvent *event)
{
    if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
        paste();
        event->accept();
        return;
    }
    if (!isReadOnly() && typesText(event) && !mayTypePlain(event->text())) {
        dialogs().beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void MaskedEdit::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    emit keyReleased(event->key(), event->modifiers());
}

void MaskedEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const QString committed = event->commitString();
    if (isMasked()) {
        if (!committed.isEmpty() && !isReadOnly())
            typeMasked(committed);
        event->accept();
        return;
    }
    if (!committed.isEmpty() && !mayTypePlain(committed)) {
        dialogs().beep();
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

bool MaskedEdit::mayTypePlain(const QString &typed) const
{
    const qsizetype kept = QLineEdit::text().size() - selectedText().size();
    return isPrintable(typed) && codepage::canCarry(typed) && kept + typed.size() <= maxLength_;
}

void MaskedEdit::typeMasked(const QString &typed)
{
    EditMask::Edit edit{state_, cursorPosition()};
    if (hasSelectedText()) {
        const int start = selectionStart();
        edit = {mask_.cleared(state_, start, start + selectionLength()), start};
    }
    bool tookAny = false;
    bool refused = false;
    for (const QChar c : typed) {
        if (const std::optional<EditMask::Edit> next = mask_.type(edit.state, edit.cursor, c)) {
            edit = *next;
            tookAny = true;
        } else {
            refused = true;
        }
    }
    if (refused)
        dialogs().beep();
    if (tookAny)
        applyEdit(edit);
}

void MaskedEdit::erase(bool backwards)
{
    EditMask::Edit edit{state_, cursorPosition()};
    if (hasSelectedText()) {
        const int start = selectionStart();
        edit = {mask_.cleared(state_, start, start + selectionLength()), start};
    } else if (backwards) {
        const int position = mask_.previousOpen(edit.cursor);
        if (position < 0)
            return;
        edit = {mask_.cleared(state_, position, position + 1), position};
    } else {
        const int position = mask_.nextOpen(edit.cursor);
        edit.state = mask_.cleared(state_, position, position + 1);
    }
    applyEdit(edit);
}

void MaskedEdit::copy() const
{
    if (!isMasked()) {
        QLineEdit::copy();
        return;
    }
    if (hasSelectedText())
        QGuiApplication::clipboard()->setText(state_.mid(selectionStart(), selectionLength()));
}

void MaskedEdit::cut()
{
    if (isReadOnly() || !hasSelectedText())
        return;
    if (!isMasked()) {
        QLineEdit::cut();
        return;
    }
    copy();
    erase(false);
}

void MaskedEdit::paste(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString pasted = firstLine(QGuiApplication::clipboard()->text(mode));
    if (pasted.isEmpty())
        return;

    if (!isMasked()) {
        // A paste that would go beyond the maximum length is refused whole
        // rather than cut short without the user noticing.
        if (!mayTypePlain(pasted)) {
            dialogs().beep();
            return;
        }
        QLineEdit::insert(pasted);
        return;
    }

    EditMask::Edit start{state_, cursorPosition()};
    if (hasSelectedText()) {
        const int from = selectionStart();
        start = {mask_.cleared(state_, from, from + selectionLength()), from};
    }
    const std::optional<EditMask::Edit> edit = mask_.paste(start.state, start.cursor, pasted);
    if (!edit) {
        dialogs().beep();
        return;
    }
    applyEdit(*edit);
}

void MaskedEdit::contextMenuEvent(QContextMenuEvent *event)
{
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    QMenu menu(this);
    QAction *cutAction = menu.addAction(QStringLiteral("Вирізати"));
    cutAction->setEnabled(editable && selected);
    connect(cutAction, &QAction::triggered, this, [this] { cut(); });
    QAction *copyAction = menu.addAction(QStringLiteral("Копіювати"));
    copyAction->setEnabled(selected);
    connect(copyAction, &QAction::triggered, this, [this] { copy(); });
    QAction *pasteAction = menu.addAction(QStringLiteral("Вставити"));
    pasteAction->setEnabled(editable && !QGuiApplication::clipboard()->text().isEmpty());
    connect(pasteAction, &QAction::triggered, this, [this] { paste(); });
    QAction *deleteAction = menu.addAction(QStringLiteral("Видалити"));
    deleteAction->setEnabled(editable && selected);
    connect(deleteAction, &QAction::triggered, this, [this] {
        if (isMasked())
            erase(false);
        else
            del();
    });
    menu.addSeparator();
    QAction *selectAllAction = menu.addAction(QStringLiteral("Виділити все"));
    selectAllAction->setEnabled(!QLineEdit::text().isEmpty());
    connect(selectAllAction, &QAction::triggered, this, &QLineEdit::selectAll);
    menu.exec(event->globalPos());
}
