#include "app/inputgate.h"

#include "app/controltext.h"
#include "app/memo.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

bool isTypingKey(const QKeyEvent &event)
{
    if (event.isAutoRepeat() || event.modifiers().testFlag(Qt::AltModifier))
        return false;
    if (event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F35)
        return false; // commands such as help, never text
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return false;
    default:
        return true;
    }
}

InputGate::InputGate(QObject *parent) : QObject(parent) {}

void InputGate::setActions(QAction *save, QAction *print)
{
    m_save = save;
    m_print = print;
    if (m_save)
        m_save->setEnabled(false);
    if (m_print)
        m_print->setEnabled(false);
}

void InputGate::setModified(bool modified)
{
    m_modified = modified;
    if (modified)
        emit cardChanged();
    else
        emit changesSettled();
}

void InputGate::changed()
{
    if (m_save)
        m_save->setEnabled(false);
    if (m_print)
        m_print->setEnabled(false);
    setModified(true);
}

void InputGate::endInput()
{
    if (m_save)
        m_save->setEnabled(true);
    if (m_print)
        m_print->setEnabled(true);
}

void InputGate::lockSaving()
{
    if (m_save)
        m_save->setEnabled(false);
}

void InputGate::watch(QWidget *field)
{
    field->installEventFilter(this);
    QLineEdit *edit = qobject_cast<QLineEdit *>(field);
    if (auto *combo = qobject_cast<QComboBox *>(field))
        edit = combo->lineEdit();
    if (edit)
        connect(edit, &QLineEdit::textEdited, this, &InputGate::changed);
    if (auto *memo = qobject_cast<Memo *>(field))
        connect(memo, &Memo::textPasted, this, &InputGate::changed);
}

bool InputGate::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        keyPressed(watched, *static_cast<QKeyEvent *>(event));
        break;
    case QEvent::KeyRelease:
        if (keyReleased(watched, *static_cast<QKeyEvent *>(event)))
            changed();
        break;
    case QEvent::FocusOut:
        // A dialog, a menu or another window takes the keys from here on.
        if (watched == m_pressedIn)
            m_pressedKeys.clear();
        break;
    default:
        break;
    }
    return false;
}

void InputGate::keyPressed(QObject *field, const QKeyEvent &event)
{
    if (event.isAutoRepeat())
        return;
    if (field != m_pressedIn) {
        m_pressedIn = field;
        m_pressedKeys.clear();
    }
    const auto *widget = static_cast<const QWidget *>(field);
    if (widget->isActiveWindow() && !m_pressedKeys.contains(event.key()))
        m_pressedKeys.append(event.key());
}

bool InputGate::keyReleased(QObject *field, const QKeyEvent &event)
{
    if (event.isAutoRepeat() || field != m_pressedIn || !m_pressedKeys.removeOne(event.key()))
        return false;
    return isTypingKey(event);
}

namespace {

class TrimFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyRelease && watched->isWidgetType())
            trimTextOf(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

void trimOnKey(QWidget *field)
{
    static QPointer<TrimFilter> filter;
    if (!filter)
        filter = new TrimFilter(qApp);
    field->installEventFilter(filter);
}
