#include "frame/inputgate.h"

#include "controls/controltext.h"
#include "controls/memo.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
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

void InputGate::watch(QWidget *field, Typing typing)
{
    field->installEventFilter(this);
    if (typing == Typing::Marks)
        m_marksOnly.append(field);
    connect(field, &QObject::destroyed, this, [this, field] { m_marksOnly.removeAll(field); });
    auto typedHere = [this, field] { typed(field); };
    auto marks = [this] { m_modified = true; };
    QLineEdit *edit = qobject_cast<QLineEdit *>(field);
    if (auto *combo = qobject_cast<QComboBox *>(field)) {
        edit = combo->lineEdit();
        connect(combo, &QComboBox::activated, this, marks);
    }
    if (edit)
        connect(edit, &QLineEdit::textEdited, this, typedHere);
    if (auto *memo = qobject_cast<Memo *>(field))
        connect(memo, &Memo::textPasted, this, typedHere);
    if (auto *box = qobject_cast<QCheckBox *>(field))
        connect(box, &QCheckBox::clicked, this, marks);
}

void InputGate::typed(const QObject *field)
{
    if (m_marksOnly.contains(field))
        m_modified = true;
    else
        changed();
}

bool InputGate::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        keyPressed(watched, *static_cast<QKeyEvent *>(event));
        break;
    case QEvent::KeyRelease:
        if (keyReleased(watched, *static_cast<QKeyEvent *>(event)))
            typed(watched);
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
    // A box that takes no typing is not changed by a key.
    if (const auto *edit = qobject_cast<const QLineEdit *>(field); edit && edit->isReadOnly())
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
