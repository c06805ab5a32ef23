#include "controls/radiogroup.h"
#include "dialogs/scripteddialogs.h"
#include "frame/focusguard.h"
#include "support/uitest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

// A window with two pages of fields, a button and a radio group, each field
// logging its exit and enter. A field whose text is "bad" refuses to be left:
// its exit handler shows a message and puts the focus back.
class GuardWindow : public QWidget
{
public:
    GuardWindow() : guard(this)
    {
        auto *column = new QVBoxLayout(this);
        tabs = new QTabWidget(this);
        column->addWidget(tabs);
        auto *page1 = new QWidget;
        auto *rows1 = new QVBoxLayout(page1);
        a = addField(rows1, "a");
        b = addField(rows1, "b");
        c = addField(rows1, "c");
        combo = new QComboBox(page1);
        combo->setObjectName("combo");
        combo->addItems({"one", "two"});
        rows1->addWidget(combo);
        group = new RadioGroup("group", {"x", "y", "z"});
        group->setItemIndex(0);
        rows1->addWidget(group);
        auto *page2 = new QWidget;
        page2->setObjectName("page2");
        auto *rows2 = new QVBoxLayout(page2);
        d = addField(rows2, "d");
        e = addField(rows2, "e");
        tabs->addTab(page1, "1");
        tabs->addTab(page2, "2");
        button = new QPushButton("&button", this);
        button->setObjectName("button");
        column->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this] { log << "click button"; });
        guard.guardClicks(button);
        guard.guardPages(tabs);
        for (int i = 0; i < group->count(); ++i)
            guard.guardClicks(group->button(i));
        guard.onEnter(page2, [this] { log << "enter page2"; });
        guard.onExit(page2, [this] { log << "exit page2"; });
    }

    QLineEdit *addField(QVBoxLayout *rows, const QString &name)
    {
        auto *edit = new QLineEdit(rows->parentWidget());
        edit->setObjectName(name);
        rows->addWidget(edit);
        guard.onExit(edit, [this, edit, name] {
            log << "exit " + name;
            if (edit->text() == "bad") {
                dialogs().inform("bad " + name);
                edit->setFocus();
            }
        });
        guard.onEnter(edit, [this, name] { log << "enter " + name; });
        return edit;
    }

    FocusGuard guard;
    QTabWidget *tabs;
    QLineEdit *a, *b, *c, *d, *e;
    QComboBox *combo;
    RadioGroup *group;
    QPushButton *button;
    QStringList log;
};

class FocusGuardTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        script = std::make_unique<ScriptedDialogs>();
        script->install();
        window = std::make_unique<GuardWindow>();
        QVERIFY(uitest::showActive(window.get()));
        window->a->setFocus();
        window->log.clear();
    }

    void cleanup()
    {
        window.reset();
        script.reset();
    }

    void exitRunsBeforeEnter()
    {
        uitest::tab();
        QCOMPARE(uitest::focusName(), "b");
        QCOMPARE(window->log, QStringList({"exit a", "enter b"}));

        // A click on another field is a move as well.
        QTest::mouseClick(window->c, Qt::LeftButton);
        QCOMPARE(window->log, QStringList({"exit a", "enter b", "exit b", "enter c"}));
    }

    void failedExitKeepsTheFocus()
    {
        window->a->setText("bad");
        uitest::tab();
        QCOMPARE(uitest::focusName(), "a");
        QCOMPARE(window->log, QStringList({"exit a"}));
        QCOMPARE(script->texts(), QStringList({"bad a"}));

        // b was never entered, so leaving a again later runs no exit of b.
        window->a->setText("good");
        QTest::mouseClick(window->c, Qt::LeftButton);
        QCOMPARE(uitest::focusName(), "c");
        QCOMPARE(window->log, QStringList({"exit a", "exit a", "enter c"}));
    }

    void exitMaySendTheFocusOn()
    {
        window->guard.onExit(window->a, [this] {
            window->log << "exit a";
            window->c->setFocus();
        });
        uitest::tab();
        QCOMPARE(uitest::focusName(), "c");
        QCOMPARE(window->log, QStringList({"exit a", "enter c"}));
    }

    void enterMayRedirect()
    {
        window->guard.onEnter(window->b, [this] {
            window->log << "enter b";
            window->c->setFocus();
        });
        uitest::tab();
        QCOMPARE(uitest::focusName(), "c");
        QCOMPARE(window->log, QStringList({"exit a", "enter b", "enter c"}));
    }

    void clicksWaitForTheFieldBeingLeft()
    {
        QSignalSpy groupClicks(window->group, &RadioGroup::itemClicked);
        window->a->setText("bad");

        QTest::mouseClick(window->button, Qt::LeftButton);
        QTest::mouseClick(window->tabs->tabBar(), Qt::LeftButton, {},
                          window->tabs->tabBar()->tabRect(1).center());
        QTest::mouseClick(window->group->button(2), Qt::LeftButton);
        QTest::keyClick(window->a, Qt::Key_B, Qt::AltModifier); // the accelerator

        QCOMPARE(window->log, QStringList({"exit a", "exit a", "exit a", "exit a"}));
        QCOMPARE(window->tabs->currentIndex(), 0);
        QCOMPARE(window->group->itemIndex(), 0);
        QCOMPARE(groupClicks.count(), 0);
        QCOMPARE(uitest::focusName(), "a");
        QCOMPARE(script->count(ScriptedDialogs::Kind::Inform), 4);

        // Once the field may be left, the same clicks happen, each after the exit.
        window->a->setText("");
        QTest::mouseClick(window->group->button(2), Qt::LeftButton);
        QCOMPARE(window->group->itemIndex(), 2);
        QCOMPARE(groupClicks.count(), 1);
        QTest::mouseClick(window->button, Qt::LeftButton);
        QCOMPARE(window->log.mid(4), QStringList({"exit a", "click button"}));
        QTest::mouseClick(window->tabs->tabBar(), Qt::LeftButton, {},
                          window->tabs->tabBar()->tabRect(1).center());
        QCOMPARE(window->tabs->currentIndex(), 1);
    }

    void showPageLeavesTheFieldFirst()
    {
        window->a->setText("bad");
        QVERIFY(!window->guard.showPage(window->tabs, 1));
        QCOMPARE(window->tabs->currentIndex(), 0);
        window->a->setText("");
        QVERIFY(window->guard.showPage(window->tabs, 1));
        QCOMPARE(window->tabs->currentIndex(), 1);
        QCOMPARE(window->log, QStringList({"exit a", "exit a"}));
    }

    // Ctrl+Tab and Ctrl+Shift+Tab turn the page only after the field is
    // left: a field that keeps the focus keeps its page shown.
    void pageKeysLeaveTheFieldFirst()
    {
        window->a->setText("bad");
        QTest::keyClick(window->a, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(window->tabs->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), window->a);
        QCOMPARE(script->count(ScriptedDialogs::Kind::Inform), 1);
        window->a->setText("");
        QTest::keyClick(window->a, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(window->tabs->currentIndex(), 1);
        QTest::keyClick(window->tabs->tabBar(), Qt::Key_Tab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window->tabs->currentIndex(), 0);
        QCOMPARE(window->log.filter("exit a").size(), 2);
    }

    void focusReturnedToAnotherPageBringsItForward()
    {
        window->tabs->setCurrentIndex(1);
        window->d->setFocus();
        window->log.clear();
        window->d->setText("bad");

        // The page changes under the field (not through the guard); the
        // field's check sends the focus back to it.
        window->tabs->setCurrentIndex(0);
        QTRY_COMPARE(window->tabs->currentIndex(), 1);
        QCOMPARE(uitest::focusName(), "d");
        QVERIFY(window->d->isVisible());
        QCOMPARE(window->log, QStringList({"exit d"}));
        QCOMPARE(script->texts(), QStringList({"bad d"}));
    }

    void pageHandlersRunOnlyAcrossItsBorder()
    {
        QTest::mouseClick(window->tabs->tabBar(), Qt::LeftButton, {},
                          window->tabs->tabBar()->tabRect(1).center());
        QTest::mouseClick(window->d, Qt::LeftButton);
        QTest::mouseClick(window->e, Qt::LeftButton);
        window->tabs->setCurrentIndex(0);
        QTRY_COMPARE(uitest::focusName(), "a");
        QCOMPARE(window->log, QStringList({"exit a", "enter page2", "enter d", "exit d", "enter e",
                                           "exit e", "exit page2", "enter a"}));
    }

    void popupsAndMessageBoxesAreNotMoves()
    {
        window->combo->setFocus();
        window->log.clear();
        window->combo->showPopup();
        QTRY_VERIFY(QApplication::activePopupWidget());
        window->combo->hidePopup();
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(uitest::focusName(), "combo");

        window->a->setFocus();
        window->log.clear();
        {
            QMessageBox box(QMessageBox::Information, "t", "text", QMessageBox::Ok, window.get());
            box.show();
            QVERIFY(QTest::qWaitForWindowActive(&box));
        }
        QVERIFY(uitest::showActive(window.get()));
        QCOMPARE(uitest::focusName(), "a");

        QWidget other;
        auto *otherEdit = new QLineEdit(&other);
        QVERIFY(uitest::showActive(&other));
        otherEdit->setFocus();
        QVERIFY(uitest::showActive(window.get()));
        QCOMPARE(uitest::focusName(), "a");
        QCOMPARE(window->log, QStringList());
    }

private:
    std::unique_ptr<ScriptedDialogs> script;
    std::unique_ptr<GuardWindow> window;
};

QTEST_MAIN(FocusGuardTest)
#include "focusguard_test.moc"
