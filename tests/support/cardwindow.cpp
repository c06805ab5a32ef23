#include "support/cardwindow.h"

#include "controls/radiogroup.h"

#include "controls/controltext.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

CardWindow::CardWindow(const std::function<QWidget *()> &create)
{
    m_dialogs.install();
    m_window = create();
    m_window->show();
    QApplication::setActiveWindow(m_window);
    if (!QTest::qWaitForWindowActive(m_window))
        qWarning("the card window did not become active");
}

CardWindow::~CardWindow()
{
    delete m_window.data();
}

QWidget *CardWindow::control(const QString &name) const
{
    QWidget *found = m_window->findChild<QWidget *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QAction *CardWindow::action(const QString &name) const
{
    QAction *found = m_window->findChild<QAction *>(name);
    if (!found)
        qFatal("no menu item %s", qPrintable(name));
    return found;
}

QString CardWindow::text(const QString &name) const
{
    return textOf(control(name));
}

QString CardWindow::focused() const
{
    const QWidget *widget = QApplication::focusWidget();
    // An editable combo box's line edit stands for the box.
    while (widget && widget->objectName().isEmpty())
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QString();
}

void CardWindow::fill(const QString &name, const QString &text)
{
    setTextOf(control(name), text);
}

void CardWindow::focus(const QString &name)
{
    control(name)->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
}

void CardWindow::type(const QString &name, const QString &keys)
{
    focus(name);
    QWidget *widget = QApplication::focusWidget();
    for (const QChar key : keys) {
        if (key.unicode() < 0x80) {
            QTest::keyClick(widget, char(key.unicode()));
        } else {
            // Letters beyond ASCII arrive as text on a key of their own.
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(key),
                                Qt::NoModifier);
        }
    }
}

void CardWindow::erase(const QString &name)
{
    focus(name);
    QWidget *widget = QApplication::focusWidget();
    QTest::keyClick(widget, Qt::Key_End);
    for (int left = text(name).size(); left > 0; --left)
        QTest::keyClick(widget, Qt::Key_Backspace);
}

void CardWindow::tab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCoreApplication::processEvents();
}

void CardWindow::enter(const QString &name, const QString &keys)
{
    type(name, keys);
    tab();
}

void CardWindow::click(const QString &button)
{
    QTest::mouseClick(control(button), Qt::LeftButton);
    QCoreApplication::processEvents();
}

int CardWindow::itemIndex(const QString &radioGroup) const
{
    return static_cast<RadioGroup *>(control(radioGroup))->itemIndex();
}

void CardWindow::choose(const QString &radioGroup, int index)
{
    // On the round mark: a radio item takes clicks on its mark and its text only.
    QRadioButton *item = static_cast<RadioGroup *>(control(radioGroup))->button(index);
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
    QCoreApplication::processEvents();
}

void CardWindow::trigger(const QString &name)
{
    action(name)->trigger();
    QCoreApplication::processEvents();
}

void CardWindow::chooseFromMenu(const QString &name)
{
    QAction *item = action(name);
    QMenu *menu = nullptr;
    for (QObject *holder : item->associatedObjects())
        menu = menu ? menu : qobject_cast<QMenu *>(holder);
    auto *bar = m_window->findChild<QMenuBar *>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
        qFatal("the menu of %s did not open", qPrintable(name));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    QCoreApplication::processEvents();
    // The window system gives the window back the keys once the menu is gone.
    if (m_window && m_window->isVisible() && !m_window->isActiveWindow())
        QApplication::setActiveWindow(m_window);
}

QByteArray CardWindow::saveWith(const QString &saveAction)
{
    const QString file = path(QStringLiteral("saved.txt"));
    QFile::remove(file);
    m_dialogs.queueSaveName(file);
    click(QStringLiteral("BitBtn1")); // "Кінець введення" releases saving
    if (!action(saveAction)->isEnabled())
        qWarning("saving stays locked: %s", qPrintable(messages().join(u'|')));
    trigger(saveAction);
    QFile saved(file);
    if (!saved.open(QIODevice::ReadOnly))
        return {};
    return saved.readAll();
}

void CardWindow::openWith(const QString &openAction, const QByteArray &bytes,
                          const QString &fileName)
{
    QFile card(path(fileName));
    if (!card.open(QIODevice::WriteOnly) || card.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(card.fileName()));
    card.close();
    m_dialogs.queueOpenName(card.fileName());
    chooseFromMenu(openAction);
}
