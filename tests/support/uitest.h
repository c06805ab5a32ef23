#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Helpers that drive windows as a user would.
namespace uitest {

// Shows `window` and waits until it is the active window.
inline bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The widget that has the keyboard focus, by name ("" when none).
inline QString focusName()
{
    QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

// Presses Tab in the widget that has the focus.
inline void tab(Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    if (QWidget *w = QApplication::focusWidget())
        QTest::keyClick(w, Qt::Key_Tab, modifiers);
}

// Types `text` into `widget` key by key; unlike QTest::keyClicks it takes
// any letter, Cyrillic included.
inline void type(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        const auto key = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, widget, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, key, QString(c), Qt::NoModifier);
    }
}

// Runs `check` on the modal dialog of type T as soon as it is up.
template <class T> void whenShown(std::function<void(T *)> check)
{
    QTimer::singleShot(0, [check] {
        for (int i = 0; i < 200; ++i) {
            if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
                check(dialog);
                return;
            }
            QTest::qWait(10);
        }
    });
}

} // namespace uitest
