#include "rk/support/rkwindow.h"

#include "rk/frmrk1.h"

#include "app/controltext.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTest>

RkWindow::RkWindow()
{
    m_dialogs.install();
    m_window = new TfrmRK1;
    m_window->show();
    QApplication::setActiveWindow(m_window);
    if (!QTest::qWaitForWindowActive(m_window))
        qWarning("the card window did not become active");
}

RkWindow::~RkWindow()
{
    delete m_window.data();
}

QWidget *RkWindow::control(const QString &name) const
{
    QWidget *found = m_window->findChild<QWidget *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QAction *RkWindow::action(const QString &name) const
{
    QAction *found = m_window->findChild<QAction *>(name);
    if (!found)
        qFatal("no menu item %s", qPrintable(name));
    return found;
}

QString RkWindow::text(const QString &name) const
{
    return textOf(control(name));
}

QString RkWindow::focused() const
{
    const QWidget *widget = QApplication::focusWidget();
    // An editable combo box's line edit stands for the box.
    while (widget && widget->objectName().isEmpty())
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QString();
}

void RkWindow::fill(const QString &name, const QString &text)
{
    setTextOf(control(name), text);
}

void RkWindow::fillRequiredCodes()
{
    fill(QStringLiteral("ed7146"), QStringLiteral("07"));
    fill(QStringLiteral("ed7191"), QStringLiteral("39"));
    fill(QStringLiteral("ed9036v"), QStringLiteral("91"));
    fill(QStringLiteral("fin"), QStringLiteral("7713"));
    fill(QStringLiteral("ed1"), QStringLiteral("дол."));
    fill(QStringLiteral("ed2"), QStringLiteral("дол."));
}

void RkWindow::focus(const QString &name)
{
    control(name)->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
}

void RkWindow::type(const QString &name, const QString &keys)
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

void RkWindow::erase(const QString &name)
{
    focus(name);
    QWidget *widget = QApplication::focusWidget();
    QTest::keyClick(widget, Qt::Key_End);
    for (int left = text(name).size(); left > 0; --left)
        QTest::keyClick(widget, Qt::Key_Backspace);
}

void RkWindow::tab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCoreApplication::processEvents();
}

void RkWindow::enter(const QString &name, const QString &keys)
{
    type(name, keys);
    tab();
}

void RkWindow::click(const QString &button)
{
    QTest::mouseClick(control(button), Qt::LeftButton);
    QCoreApplication::processEvents();
}

void RkWindow::trigger(const QString &name)
{
    action(name)->trigger();
    QCoreApplication::processEvents();
}

QByteArray RkWindow::save()
{
    const QString file = path(QStringLiteral("saved.txt"));
    QFile::remove(file);
    m_dialogs.queueSaveName(file);
    click(QStringLiteral("BitBtn1")); // "Кінець введення" releases saving
    if (!action(QStringLiteral("N6"))->isEnabled())
        qWarning("saving stays locked: %s", qPrintable(messages().join(u'|')));
    trigger(QStringLiteral("N6"));
    QFile saved(file);
    if (!saved.open(QIODevice::ReadOnly))
        return {};
    return saved.readAll();
}

void RkWindow::open(const QByteArray &bytes, const QString &fileName)
{
    QFile card(path(fileName));
    if (!card.open(QIODevice::WriteOnly) || card.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(card.fileName()));
    card.close();
    m_dialogs.queueOpenName(card.fileName());
    trigger(QStringLiteral("N4"));
}
