#include "cardfile/repeatinggroup.h"

#include <QTest>

namespace {

// A customer entry in the form shown in the editor and in the file form.
QString customer(int number, const QString &kind, const QString &name)
{
    return QStringLiteral("%1\\%2\\12345678\\Київ\\%3\\вул. Січова, 1").arg(number).arg(kind, name);
}

QString legalShown(int number, const QString &name)
{
    return customer(number, QStringLiteral("Юридична особа"), name);
}

QString legalFile(int number, const QString &name)
{
    return customer(number, QStringLiteral("1"), name);
}

QString stage(int number, const QString &name)
{
    return QStringLiteral("%1\\01.05\\06.05\\91\\%2").arg(number).arg(name);
}

} // namespace

class RepeatingGroupTest : public QObject
{
    Q_OBJECT

private slots:
    void deleteMiddleRenumbersBothForms();
    void deleteOnlyAndLast();
    void deleteStage();
    void gapsAreKept();
    void numbersOutsideTheRoom();
};

void RepeatingGroupTest::deleteMiddleRenumbersBothForms()
{
    RepeatingGroup customers(7, 5, true);
    customers.store(1, legalShown(1, "Перший"), legalFile(1, "Перший"));
    customers.store(2, legalShown(2, "Другий"), legalFile(2, "Другий"));
    customers.store(3, customer(3, "Фізична особа", "Третій"), customer(3, "2", "Третій"));

    QCOMPARE(customers.remove(2), 3);
    QCOMPARE(customers.count(), 2);
    QCOMPARE(customers.numbers(), (QList<int>{1, 2}));
    QCOMPARE(customers.entry(1), legalShown(1, "Перший"));
    QCOMPARE(customers.fileEntry(1), legalFile(1, "Перший"));
    // The former third entry moved with its kind in both forms.
    QCOMPARE(customers.entry(2), customer(2, "Фізична особа", "Третій"));
    QCOMPARE(customers.fileEntry(2), customer(2, "2", "Третій"));
    QVERIFY(customers.entry(3).isEmpty());
    QVERIFY(customers.fileEntry(3).isEmpty());

    // Numbers of two digits are replaced whole.
    RepeatingGroup coexecutors(21, 20, true);
    for (int n = 1; n <= 12; ++n)
        coexecutors.store(n, legalShown(n, QString::number(n)), legalFile(n, QString::number(n)));
    QCOMPARE(coexecutors.remove(10), 12);
    QCOMPARE(coexecutors.entry(10), legalShown(10, "11"));
    QCOMPARE(coexecutors.fileEntry(11), legalFile(11, "12"));
    QCOMPARE(coexecutors.lastNumber(), 11);
}

void RepeatingGroupTest::deleteOnlyAndLast()
{
    RepeatingGroup customers(7, 5, true);
    customers.store(1, legalShown(1, "Єдиний"), legalFile(1, "Єдиний"));
    QCOMPARE(customers.remove(1), 1);
    QCOMPARE(customers.count(), 0);
    QVERIFY(customers.numbers().isEmpty());
    QCOMPARE(customers.lastNumber(), 0);
    QVERIFY(customers.fileEntry(1).isEmpty());

    customers.store(1, legalShown(1, "А"), legalFile(1, "А"));
    customers.store(2, legalShown(2, "Б"), legalFile(2, "Б"));
    QCOMPARE(customers.remove(2), 2);
    QCOMPARE(customers.numbers(), QList<int>{1});
    QCOMPARE(customers.entry(1), legalShown(1, "А"));

    // An entry with no value after its number is renumbered to the number alone.
    RepeatingGroup bare(3, 3);
    bare.store(1, "1");
    bare.store(2, "2");
    QCOMPARE(bare.remove(1), 2);
    QCOMPARE(bare.entry(1), QStringLiteral("1"));
}

void RepeatingGroupTest::deleteStage()
{
    RepeatingGroup stages(16, 15);
    for (int n = 1; n <= 3; ++n)
        stages.store(n, stage(n, QStringLiteral("Етап %1").arg(n)), "ignored");
    QCOMPARE(stages.fileEntry(3), stage(3, "Етап 3"));

    QCOMPARE(stages.remove(2), 3);
    QCOMPARE(stages.numbers(), (QList<int>{1, 2}));
    QCOMPARE(stages.entry(1), stage(1, "Етап 1"));
    QCOMPARE(stages.entry(2), stage(2, "Етап 3"));
    QCOMPARE(stages.fileEntry(2), stage(2, "Етап 3"));
}

void RepeatingGroupTest::gapsAreKept()
{
    RepeatingGroup stages(16, 15);
    stages.store(1, stage(1, "А"));
    stages.store(2, stage(2, "Б"));
    stages.store(5, stage(5, "Д"));
    QCOMPARE(stages.numbers(), (QList<int>{1, 2, 5}));
    QCOMPARE(stages.count(), 3);
    QCOMPARE(stages.lastNumber(), 5);

    // Deleting a number without an entry changes nothing.
    QCOMPARE(stages.remove(3), 0);
    QCOMPARE(stages.numbers(), (QList<int>{1, 2, 5}));

    // Deleting before the gap moves everything after it down one place.
    QCOMPARE(stages.remove(1), 5);
    QCOMPARE(stages.numbers(), (QList<int>{1, 4}));
    QCOMPARE(stages.entry(1), stage(1, "Б"));
    QCOMPARE(stages.entry(4), stage(4, "Д"));

    // Storing an empty text empties that position only.
    stages.store(1, QString());
    QCOMPARE(stages.numbers(), QList<int>{4});

    stages.clear();
    QCOMPARE(stages.count(), 0);
    QCOMPARE(stages.lastNumber(), 0);
}

void RepeatingGroupTest::numbersOutsideTheRoom()
{
    RepeatingGroup customers(7, 5, true);
    QCOMPARE(customers.room(), 7);
    QCOMPARE(customers.limit(), 5);
    customers.store(7, legalShown(7, "Сьомий"), legalFile(7, "Сьомий"));
    for (const int number : {0, -1, 8, 1000, INT_MIN, INT_MAX}) {
        customers.store(number, legalShown(number, "Поза"), legalFile(number, "Поза"));
        QVERIFY(customers.entry(number).isEmpty());
        QVERIFY(customers.fileEntry(number).isEmpty());
        QVERIFY(!customers.exists(number));
        QCOMPARE(customers.remove(number), 0);
    }
    QCOMPARE(customers.numbers(), QList<int>{7});
    QCOMPARE(customers.entry(7), legalShown(7, "Сьомий"));

    RepeatingGroup none(0, 0);
    none.store(1, "1\\x");
    QCOMPARE(none.count(), 0);
    QCOMPARE(none.remove(1), 0);
}

QTEST_APPLESS_MAIN(RepeatingGroupTest)
#include "repeatinggroup_test.moc"
