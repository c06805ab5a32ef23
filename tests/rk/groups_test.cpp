#include "rk/frmrk1.h"
#include "rk/support/rkfiles.h"
#include "rk/support/rkwindow.h"

#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Group = RkCardData::Group;

// Stores customer `number` by typing its fields as the clerk does.
void typeCustomer(RkWindow &rk, int number, const QString &code, const QString &name,
                  bool individual = false)
{
    rk.erase(u"Edit1"_s);
    rk.enter(u"Edit1"_s, QString::number(number));
    if (individual) {
        QTest::keyClick(rk.control(u"lizz"_s), Qt::Key_Down);
        rk.tab();
    }
    rk.erase(u"ed2458"_s);
    rk.enter(u"ed2458"_s, code);
    rk.erase(u"gorz"_s);
    rk.enter(u"gorz"_s, u"Місто "_s + QString::number(number));
    rk.erase(u"mm2152"_s);
    rk.enter(u"mm2152"_s, name);
}

void typeStage(RkWindow &rk, int number, const QString &name)
{
    rk.erase(u"ed9036n"_s);
    rk.enter(u"ed9036n"_s, QString::number(number));
    rk.erase(u"ed9036p"_s);
    rk.enter(u"ed9036p"_s, u"0"_s + QString::number(number) + u"05"_s);
    rk.erase(u"ed9036z"_s);
    rk.enter(u"ed9036z"_s, u"0"_s + QString::number(number) + u"06"_s);
    rk.erase(u"ed9036v"_s);
    rk.enter(u"ed9036v"_s, u"91"_s);
    rk.erase(u"mm9036"_s);
    rk.enter(u"mm9036"_s, name);
}

} // namespace

class GroupsTest : public QObject
{
    Q_OBJECT

private slots:
    void deletingTheMiddleCustomerRenumbersBothForms()
    {
        RkWindow rk;
        rk.fillRequiredCodes();
        typeCustomer(rk, 1, u"11111111"_s, u"Перший"_s);
        typeCustomer(rk, 2, u"22222222"_s, u"Другий"_s);
        typeCustomer(rk, 3, u"3333333333"_s, u"Третій"_s, true);
        QCOMPARE(rk.messages(), QStringList());

        rk.erase(u"Edit1"_s);
        rk.enter(u"Edit1"_s, u"2"_s);
        QCOMPARE(rk.text(u"mm2152"_s), u"Другий"_s);
        rk.erase(u"Edit1"_s);
        rk.tab();

        const RkEditorLogic &logic = rk.window()->logic();
        QCOMPARE(logic.entries(Group::Customers).numbers(), QList<int>({1, 2}));
        QCOMPARE(logic.entries(Group::Customers).entry(2),
                 u"2\\Фізична особа\\3333333333\\Місто 3\\Третій\\"_s);
        QCOMPARE(logic.entries(Group::Customers).fileEntry(2),
                 u"2\\2\\3333333333\\Місто 3\\Третій\\"_s);
        QCOMPARE(rk.text(u"Edit1"_s), u"2"_s);
        QCOMPARE(rk.text(u"mm2152"_s), u"Третій"_s);
        QCOMPARE(rk.text(u"ed2458"_s), u"3333333333"_s);
        QCOMPARE(rk.focused(), u"Edit1"_s);

        const QByteArray saved = rk.save();
        QVERIFY(saved.contains(
            lineBytes({u"1332\\"_s, u"2458\\1\\1\\11111111\\Місто 1\\Перший\\"_s,
                       u"2458\\2\\2\\3333333333\\Місто 3\\Третій\\"_s, u"7713\\тис.грн.\\"_s})));
    }

    void deletingTheOnlyCustomer()
    {
        RkWindow rk;
        rk.fillRequiredCodes();
        typeCustomer(rk, 1, u"11111111"_s, u"Єдиний"_s);
        rk.erase(u"Edit1"_s);
        rk.enter(u"Edit1"_s, u"1"_s);
        rk.erase(u"Edit1"_s);
        rk.tab();
        QCOMPARE(rk.focused(), u"fin"_s);
        QCOMPARE(rk.text(u"mm2152"_s), QString());
        QCOMPARE(rk.text(u"ed2458"_s), QString(8, u' '));
        QVERIFY(!rk.save().contains("2458\\"));
    }

    void deletingTheSecondOfThreeStages()
    {
        RkWindow rk;
        rk.fillRequiredCodes();
        typeStage(rk, 1, u"Перший"_s);
        typeStage(rk, 2, u"Другий"_s);
        typeStage(rk, 3, u"Третій"_s);
        QCOMPARE(rk.focused(), u"BitBtn4"_s);
        rk.erase(u"ed9036n"_s);
        rk.enter(u"ed9036n"_s, u"2"_s);
        rk.erase(u"ed9036n"_s);
        rk.tab();
        const QByteArray saved = rk.save();
        QVERIFY2(saved.contains(lineBytes({u"9153\\"_s, u"9036\\1\\01.05\\01.06\\91\\Перший"_s,
                                           u"9036\\2\\03.05\\03.06\\91\\Третій"_s, u"5634\\"_s})),
                 saved.constData());
        QCOMPARE(rk.text(u"ed9036n"_s), u"2"_s);
    }

    void stepButtonsAndLimits()
    {
        RkWindow rk;
        rk.fillRequiredCodes();
        for (int number = 1; number <= 5; ++number)
            typeCustomer(rk, number, u"1234567"_s + QString::number(number), u"Замовник"_s);
        rk.click(u"BitBtn7"_s);
        QCOMPARE(rk.messages(), QStringList{u"Кількість замовників від 1 до 5"_s});
        QCOMPARE(rk.focused(), u"fin"_s);
        QCOMPARE(rk.text(u"Edit1"_s), u"5"_s);

        // Previous shows the entry before, with its kind.
        rk.forgetMessages();
        rk.click(u"BitBtn6"_s);
        QCOMPARE(rk.text(u"Edit1"_s), u"4"_s);
        QCOMPARE(rk.text(u"ed2458"_s), u"12345674"_s);

        // Nothing before the first stage.
        rk.erase(u"ed9036n"_s);
        rk.enter(u"ed9036n"_s, u"1"_s);
        rk.click(u"BitBtn5"_s);
        QCOMPARE(rk.text(u"ed9036n"_s), u"1"_s);
        QCOMPARE(rk.messages(), QStringList());

        // A number box that holds no number.
        rk.erase(u"Edit1"_s);
        rk.enter(u"Edit1"_s, u"x"_s);
        QCOMPARE(rk.messages().size(), 1);
        QVERIFY(rk.messages().first().contains(u"x"_s));
        QCOMPARE(rk.focused(), u"Edit1"_s);
    }

    // After the stages the cursor goes on to the frame's "Вперед".
    void leavingTheStagesForTheNextPage()
    {
        {
            RkWindow fresh;
            fresh.fillRequiredCodes();
            fresh.focus(u"cpn"_s);
            fresh.erase(u"ed9036n"_s);
            fresh.tab();
            QCOMPARE(fresh.focused(), u"BitBtn3"_s);
            QCOMPARE(fresh.messages(), QStringList());
        }
    }

    // Past the limit the number box and the fields go back to the last entry
    // the clerk may fill, so nothing can be typed where it is not kept: by
    // Next, by Next again, and by a number typed into the box.
    void nextPastTheLimit_data()
    {
        QTest::addColumn<Group>("group");
        QTest::addColumn<QString>("numberBox");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("valueField");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("nextSection");
        QTest::addColumn<QString>("typed");
        QTest::newRow("customers")
            << Group::Customers << u"Edit1"_s << u"BitBtn7"_s << u"mm2656"_s << 5
            << u"Кількість замовників від 1 до 5"_s << u"fin"_s << u"12"_s;
        QTest::newRow("co-executors")
            << Group::Coexecutors << u"cpn"_s << u"Button1"_s << u"cpa"_s << 20
            << u"Кількість співвиконавців від 1 до 20"_s << u"ed9036n"_s << u"0"_s;
        QTest::newRow("stages") << Group::Stages << u"ed9036n"_s << u"BitBtn4"_s << u"mm9036"_s
                                << 15 << u"Кількість етапів від 1 до 15"_s << u"BitBtn3"_s
                                << u"0"_s;
    }

    void nextPastTheLimit()
    {
        QFETCH(Group, group);
        QFETCH(QString, numberBox);
        QFETCH(QString, next);
        QFETCH(QString, valueField);
        QFETCH(int, limit);
        QFETCH(QString, message);
        QFETCH(QString, nextSection);
        QFETCH(QString, typed);
        RkWindow rk;
        rk.open(cardBytes(fullCardLines(5, 20, 15)));
        const RkEditorLogic &logic = rk.window()->logic();
        const QString last = rk.text(valueField);
        QVERIFY(!last.isEmpty());

        for (int press = 1; press <= 2; ++press) {
            rk.focus(numberBox);
            rk.click(next);
            QCOMPARE(rk.messages(), QStringList(press, message));
            QCOMPARE(rk.focused(), nextSection);
            QCOMPARE(rk.text(numberBox), QString::number(limit));
            QCOMPARE(rk.text(valueField), last);
            QCOMPARE(logic.currentNumber(group), limit);
        }
        rk.forgetMessages();
        rk.click(numberBox);
        rk.erase(numberBox);
        rk.enter(numberBox, typed);
        QCOMPARE(rk.messages(), QStringList{message});
        QVERIFY(logic.entries(group).withinLimit(rk.text(numberBox).toInt()));

        // What is typed now lands in an entry the file keeps.
        rk.erase(valueField);
        rk.enter(valueField, u"Нове"_s);
        QCOMPARE(logic.entries(group).lastNumber(), limit);
        QVERIFY(logic.entries(group).entry(logic.currentNumber(group)).contains(u"Нове"_s));
    }

    // Arriving on the page of co-executors and stages by "Вперед" sends the
    // cursor to the first co-executor's number; the click that follows still
    // does what it says, unless leaving that number refuses it.
    void firstClickOnTheCoexecutorPage_data()
    {
        QTest::addColumn<QString>("coexecutorNumber");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("changedBox");
        QTest::addColumn<QString>("shows");
        QTest::addColumn<int>("messages");
        QTest::newRow("previous co-executor")
            << u"3"_s << u"Button2"_s << u"cpn"_s << u"cpn"_s << u"2"_s << 0;
        QTest::newRow("next stage")
            << u"3"_s << u"BitBtn4"_s << u"ed9036n"_s << u"ed9036n"_s << u"2"_s << 0;
        QTest::newRow("stage number box")
            << u"3"_s << u"ed9036n"_s << u"ed9036n"_s << u"ed9036n"_s << u"1"_s << 0;
        QTest::newRow("co-executor kind box")
            << u"3"_s << u"lizsv"_s << u"lizsv"_s << u"cpn"_s << u"3"_s << 0;
        QTest::newRow("refused by the number left")
            << u"x"_s << u"BitBtn4"_s << u"cpn"_s << u"ed9036n"_s << u"1"_s << 1;
    }

    void firstClickOnTheCoexecutorPage()
    {
        QFETCH(QString, coexecutorNumber);
        QFETCH(QString, clicked);
        QFETCH(QString, focused);
        QFETCH(QString, changedBox);
        QFETCH(QString, shows);
        QFETCH(int, messages);
        RkWindow rk;
        rk.open(cardBytes(fullCardLines(1, 3, 1)));
        rk.fill(u"cpn"_s, coexecutorNumber);
        rk.focus(u"mm9027"_s);
        rk.click(u"BitBtn3"_s);
        auto *pages = rk.window()->findChild<QTabWidget *>(u"PageControl"_s);
        QCOMPARE(pages->currentWidget()->objectName(), u"TabSheet6"_s);
        rk.forgetMessages();

        rk.click(clicked);
        QCOMPARE(rk.focused(), focused);
        QCOMPARE(rk.text(changedBox), shows);
        QCOMPARE(rk.messages().size(), messages);
    }

    void enteringTheCoexecutorPageStartsAtItsNumber()
    {
        RkWindow rk;
        rk.fillRequiredCodes();
        rk.click(u"BitBtn3"_s);
        rk.click(u"BitBtn3"_s);
        rk.click(u"BitBtn3"_s);
        rk.click(u"BitBtn3"_s);
        rk.focus(u"cpi"_s);
        QCOMPARE(rk.focused(), u"cpn"_s);
    }
};

QTEST_MAIN(GroupsTest)
#include "groups_test.moc"
