#include "shell/helpwindow.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

// The help text as the window has to show it, kept with the test data.
static QString expectedHelpText()
{
    QFile file(QStringLiteral(OVRIDA_TEST_DATA "/helptext.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheFixedTextInAWindowOfItsOwn();
    void eachChoiceOpensAnotherWindow();
    void exitButtonAndAltKeyCloseAndFreeTheWindow();
};

void HelpWindowTest::showsTheFixedTextInAWindowOfItsOwn()
{
    const QString expected = expectedHelpText();
    QCOMPARE(expected.split(QLatin1Char('\n')).size(), 76);
    QVERIFY(expected.endsWith(QLatin1Char('\n')));

    QPointer<TfrmHELP> window = showHelpWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Підказка по користуванню системою"));
    QCOMPARE(window->size(), QSize(619, 425));
    QVERIFY(!window->isModal());
    QCOMPARE(window->RichEdit1->size(), QSize(599, 393));
    QCOMPARE(window->BitBtn1->text(), QStringLiteral("&Вихід"));
    QVERIFY(window->rect().contains(window->BitBtn1->geometry()));
    QVERIFY(!window->BitBtn1->geometry().intersects(window->RichEdit1->geometry()));

    // Letter for letter, the Latin look-alikes and the blanks included.
    const QString shown = window->RichEdit1->toPlainText();
    QCOMPARE(shown.split(QLatin1Char('\n')).size(), 76);
    QCOMPARE(shown, expected);
    QVERIFY(shown.contains(QStringLiteral("картoк РK, OK, \nOKД")));
    QCOMPARE(window->RichEdit1->document()->blockCount(), 76);
    // Shown from its beginning.
    QCOMPARE(window->RichEdit1->textCursor().position(), 0);
    window->close();
}

void HelpWindowTest::eachChoiceOpensAnotherWindow()
{
    QPointer<TfrmHELP> first = showHelpWindow();
    QPointer<TfrmHELP> second = showHelpWindow();
    QVERIFY(first && second && first != second);
    QVERIFY(first->isVisible() && second->isVisible());

    // Closing one leaves the other open.
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(second->isVisible());
    QCOMPARE(second->RichEdit1->toPlainText(), expectedHelpText());
    second->close();
}

void HelpWindowTest::exitButtonAndAltKeyCloseAndFreeTheWindow()
{
    QPointer<TfrmHELP> clicked = showHelpWindow();
    QTest::mouseClick(clicked->BitBtn1, Qt::LeftButton);
    QVERIFY(!clicked->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(clicked.isNull());

    QPointer<TfrmHELP> byKey = showHelpWindow();
    QVERIFY(QTest::qWaitForWindowActive(byKey));
    const auto keyV = static_cast<Qt::Key>(QChar(u'В').unicode());
    QTest::sendKeyEvent(QTest::Press, byKey->RichEdit1, keyV, QStringLiteral("в"), Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Release, byKey->RichEdit1, keyV, QStringLiteral("в"),
                        Qt::AltModifier);
    QTRY_VERIFY(byKey.isNull() || !byKey->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(byKey.isNull());
}

QTEST_MAIN(HelpWindowTest)
#include "helpwindow_test.moc"
