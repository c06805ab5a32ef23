#include "rk/rkcardreader.h"
#include "rk/rkfilelines.h"
#include "rk/support/rkcard.h"
#include "rk/support/rkfiles.h"

#include "cardfile/cardreader.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Group = RkCardData::Group;
using Languages = RkCardData::Languages;

std::array<int, 3> currentNumbers(const PlainCard &card)
{
    return {card.logic.currentNumber(Group::Customers),
            card.logic.currentNumber(Group::Coexecutors), card.logic.currentNumber(Group::Stages)};
}

} // namespace

class CardReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void fullCardReadsBackToTheSameLines()
    {
        PlainCard card;
        const QStringList lines = fullCardLines();
        QCOMPARE(card.read(lines), QString());
        QCOMPARE(card.lines(), lines);

        // The window shows the last entry of every group and the first language.
        QCOMPARE(currentNumbers(card), (std::array<int, 3>{5, 20, 15}));
        QCOMPARE(card.text(u"Edit1"_s), u"5"_s);
        QCOMPARE(card.text(u"lizz"_s), u"Юридична особа"_s);
        QCOMPARE(card.text(u"cpn"_s), u"20"_s);
        QCOMPARE(card.text(u"lizsv"_s), u"Фізична особа"_s);
        QCOMPARE(card.text(u"ed9036n"_s), u"15"_s);
        QCOMPARE(card.controls.looks.value(u"cpk"_s), PersonKind::Individual);
        QCOMPARE(card.logic.entries(Group::Customers).entry(2),
                 u"2\\Фізична особа\\1234567892\\Місто 2\\Замовник номер 2 «Ґудзик»\\вул. "
                 u"Їжакова, 2"_s);
        QCOMPARE(card.controls.itemIndex(u"Indjzr"_s), 0);
        QCOMPARE(card.text(u"mm9027"_s), u"Дослідження напівпровідникових структур"_s);
    }

    // A line whose first value is empty still carries the values after it.
    void emptyFirstValuesKeepTheRest()
    {
        PlainCard card;
        card[u"ed5418D"_s] = u"01.02.05"_s;
        card[u"mm2655"_s] = u"вул. Наукова, 1"_s;
        card[u"ed"_s].clear();
        card[u"sum"_s] = u"5"_s;
        card[u"fin"_s] = u"7713"_s;
        card[u"fin1"_s] = u"7705"_s;
        card[u"sum1"_s] = u"100"_s;
        card[u"fin2"_s] = u"7704"_s;
        const QStringList lines = card.lines();
        QVERIFY(lines.contains(u"5418\\\\01.02.05"_s));
        QVERIFY(lines.contains(u"7704\\\\"_s));

        PlainCard again;
        QCOMPARE(again.read(lines), QString());
        QCOMPARE(again.lines(), lines);
        QCOMPARE(again.text(u"sum1"_s), u"100"_s);

        // An older customer address without its city.
        PlainCard older;
        older.read({u"2458\\1\\12345678"_s, u"2656\\\\вул. Соборна, 3"_s});
        QCOMPARE(older.logic.entries(Group::Customers).entry(1),
                 u"1\\Юридична особа\\12345678\\\\\\вул. Соборна, 3"_s);
    }

    void olderLayoutsAreTakenOver()
    {
        PlainCard card;
        QCOMPARE(card.read({u"5013\\01"_s, u"2754\\Харків"_s, u"2655\\вул. Сумська, 2"_s,
                            u"2458\\1\\12345678"_s, u"2152\\ТОВ «Замовник»"_s,
                            u"2656\\Полтава\\вул. Соборна, 3"_s,
                            u"2142\\1\\87654321\\Суми\\"
                            u"Співвиконавець\\вул. Липова, 4"_s,
                            u"6120\\Петренко П.П."_s}),
                 QString());
        QCOMPARE(card.text(u"gorv"_s), u"Харків"_s);
        QCOMPARE(card.text(u"mm2655"_s), u"вул. Сумська, 2"_s);
        QCOMPARE(card.logic.currentNumber(Group::Customers), 1);
        const QStringList lines = card.lines();
        QVERIFY(lines.contains(u"2655\\Харків\\вул. Сумська, 2"_s));
        QVERIFY(
            lines.contains(u"2458\\1\\1\\12345678\\Полтава\\ТОВ «Замовник»\\вул. Соборна, 3"_s));
        QCOMPARE(card.logic.entries(Group::Customers).entry(1),
                 u"1\\Юридична особа\\12345678\\Полтава\\ТОВ «Замовник»\\вул. Соборна, 3"_s);
        // The older co-executor carries no kind: the file form keeps it empty.
        QVERIFY(lines.contains(u"2142\\1\\\\87654321\\Суми\\Співвиконавець\\вул. Липова, 4"_s));
        QCOMPARE(card.text(u"lizsv"_s), QString());
        // A head's name without a language number is the Ukrainian one.
        QCOMPARE(card.logic.languageText(Languages::HeadName, 0), u"Петренко П.П."_s);
        QVERIFY(lines.contains(u"6120\\1\\Петренко П.П."_s));

        // Without a 2754 line the 2655 line carries city and address.
        PlainCard plain;
        plain.read({u"2655\\Одеса\\вул. Морська, 5"_s});
        QCOMPARE(plain.text(u"gorv"_s), u"Одеса"_s);
        QCOMPARE(plain.text(u"mm2655"_s), u"вул. Морська, 5"_s);
    }

    // Entries of older files keep their codes whole through saving and
    // opening again: an individual's ten digits, a co-executor without a kind.
    void olderEntriesKeepTheirCodes()
    {
        PlainCard card;
        card.controls.showKindLook(partyKinds(KindCard::RK, Party::CoExecutor),
                                   PersonKind::Individual);
        QCOMPARE(card.read({u"2458\\2\\1234567890"_s, u"2152\\Особа"_s,
                            u"2142\\1\\87654321\\Суми\\Інститут\\вул. Липова, 4"_s}),
                 QString());
        const QStringList lines = card.lines();
        QVERIFY(lines.contains(u"2458\\1\\2\\1234567890\\\\Особа\\"_s));
        QVERIFY(lines.contains(u"2142\\1\\\\87654321\\Суми\\Інститут\\вул. Липова, 4"_s));

        PlainCard again;
        QCOMPARE(again.read(lines), QString());
        QCOMPARE(again.lines(), lines);
        QCOMPARE(again.controls.looks.value(u"cpk"_s), PersonKind::Legal);
        QCOMPARE(again.controls.looks.value(u"ed2458"_s), PersonKind::Individual);
    }

    void aNumberThatIsNotANumberStopsTheReading()
    {
        PlainCard card;
        const QString error = card.read({u"5256\\4"_s, u"2458\\1\\1\\12345678\\\\Перший\\"_s,
                                         u"2458\\б\\1\\87654321\\\\Другий\\"_s, u"7146\\07"_s});
        QVERIFY(!error.isEmpty());
        QVERIFY2(error.contains(u"2458"_s) && error.contains(u"б"_s), qPrintable(error));
        QCOMPARE(card.text(u"ed5256"_s), u"4"_s);
        QCOMPARE(card.logic.entries(Group::Customers).numbers(), QList<int>{1});
        QCOMPARE(card.text(u"ed7146"_s), QString());

        // Language and kind numbers likewise.
        PlainCard languages;
        QVERIFY(languages.read({u"9027\\x\\Назва"_s}).contains(u"9027"_s));
        PlainCard kinds;
        QVERIFY(kinds.read({u"2457\\ю\\12345678"_s}).contains(u"2457"_s));
    }

    // A kind number in any form is written back as "1" or "2", and numbers
    // beyond the range of int are out of every range, never an overflow.
    void kindsAndNumbersInAnyForm_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("written");
        QTest::newRow("executor kind INT_MIN")
            << u"2457\\-2147483648\\1234567890"_s << u"2457\\2\\1234567890"_s;
        QTest::newRow("executor kind 01") << u"2457\\01\\12345678"_s << u"2457\\1\\12345678"_s;
        QTest::newRow("older customer, kind 01")
            << u"2458\\01\\12345678"_s << u"2458\\1\\1\\12345678\\\\\\"_s;
        QTest::newRow("older customer, kind INT_MIN")
            << u"2458\\-2147483648\\1234567890"_s << u"2458\\1\\2\\1234567890\\\\\\"_s;
        QTest::newRow("customer kind 7") << u"2458\\1\\7\\1234567890\\Київ\\Особа\\"_s
                                         << u"2458\\1\\2\\1234567890\\Київ\\Особа\\"_s;
        QTest::newRow("co-executor kind 0")
            << u"2142\\1\\0\\1234567890\\\\Особа\\"_s << u"2142\\1\\2\\1234567890\\\\Особа\\"_s;
        // Without a kind its code's blanks do not count, and its length
        // gives the kind and the mask once and for all.
        QTest::newRow("co-executor without kind, blanks in its code")
            << u"2142\\1\\\\1 2 3 4 5 6 7 8 9\\\\Особа\\"_s
            << u"2142\\1\\\\123456789 \\\\Особа\\"_s;
        QTest::newRow("co-executor without kind, a blank before its end")
            << u"2142\\1\\\\в         і"_s << u"2142\\1\\\\ві      \\\\\\"_s;
        QTest::newRow("older co-executor, the mask's blank in its code")
            << u"2142\\1\\_x\\Суми"_s << u"2142\\1\\\\x       \\Суми\\\\"_s;
        QTest::newRow("customer number beyond int")
            << u"2458\\99999999999\\1\\12345678\\\\Зайвий\\"_s << QString();
        QTest::newRow("stage number -2147483648")
            << u"9036\\-2147483648\\01.05\\02.05\\91\\Зайвий"_s << QString();
    }

    void kindsAndNumbersInAnyForm()
    {
        QFETCH(QString, line);
        QFETCH(QString, written);
        PlainCard card;
        QCOMPARE(card.read({line}), QString());
        const QString code = line.left(4);
        QStringList lines = card.lines();
        lines.removeIf([&code](const QString &l) { return !l.startsWith(code); });
        QCOMPARE(lines.value(0), written);
        PlainCard again;
        QCOMPARE(again.read(card.lines()), QString());
        QCOMPARE(again.lines(), card.lines());
    }

    void entriesOutsideTheRoomChangeNothing()
    {
        PlainCard card;
        QCOMPARE(
            card.read(
                {u"2458\\1\\1\\11111111\\\\Перший\\"_s, u"2458\\8\\1\\22222222\\\\Восьмий\\"_s,
                 u"2458\\0\\1\\33333333\\\\Нульовий\\"_s, u"2142\\22\\1\\44444444\\\\Зайвий\\"_s,
                 u"9036\\17\\01.05\\02.05\\91\\Зайвий"_s, u"9036\\-1\\01.05\\02.05\\91\\Зайвий"_s}),
            QString());
        QCOMPARE(card.text(u"ed2458"_s), u"11111111"_s);
        QCOMPARE(card.text(u"mm2152"_s), u"Перший"_s);
        QCOMPARE(currentNumbers(card), (std::array<int, 3>{1, 0, 0}));
        QCOMPARE(card.text(u"cpk"_s), u"        "_s);
        QCOMPARE(card.text(u"ed9036n"_s), u"1"_s);
        QCOMPARE(card.logic.entries(Group::Customers).numbers(), QList<int>{1});
        QCOMPARE(card.logic.entries(Group::Coexecutors).count(), 0);
        QCOMPARE(card.logic.entries(Group::Stages).count(), 0);
    }

    void multiLineFieldsAreJoined()
    {
        PlainCard card;
        QCOMPARE(card.read({u"9126\\Перший рядок"_s, u"другий рядок"_s, u"  третій  "_s,
                            u"9036\\1\\01.05\\02.05\\91\\Назва"_s, u"етапу"_s,
                            u"2394\\\\mail@example.ua"_s}),
                 QString());
        QCOMPARE(card.text(u"mm9126"_s), u"Перший рядок другий рядок третій"_s);
        QCOMPARE(card.logic.entries(Group::Stages).entry(1), u"1\\01.05\\02.05\\91\\Назва етапу"_s);
        // A fax line with only the e-mail is still applied.
        QCOMPARE(card.text(u"Edit2"_s), u"mail@example.ua"_s);
    }
};

QTEST_GUILESS_MAIN(CardReaderTest)
#include "cardreader_test.moc"
