#include "cardfile/fieldchecks.h"

#include <QTest>

using namespace fieldchecks;

Q_DECLARE_METATYPE(fieldchecks::CodeList)

namespace {

const QString kDate = QStringLiteral("Помилка в даті");
const QString kMonth = QStringLiteral("Помилка в місяці!");
const QString kDay = QStringLiteral("Помилка в числі місяця!");

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

} // namespace

class FieldChecksTest : public QObject
{
    Q_OBJECT

private slots:
    void date_data();
    void date();
    void monthYear_data();
    void monthYear();
    void organisationCode_data();
    void organisationCode();
    void numberComplete_data();
    void numberComplete();
    void numberLetter_data();
    void numberLetter();
    void codeLists_data();
    void codeLists();
};

void FieldChecksTest::date_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("day beyond the month passes") << "31.02.05" << QStringList();
    QTest::newRow("ordinary date") << "01.01.00" << QStringList();
    QTest::newRow("untouched") << "  .  .  " << QStringList();
    QTest::newRow("month 13") << "01.13.05" << QStringList{kMonth};
    QTest::newRow("day 32") << "32.12.05" << QStringList{kDay};
    QTest::newRow("both zero: month first") << "00.00.05" << QStringList{kMonth, kDay};
    QTest::newRow("both too high") << "32.13.03" << QStringList{kMonth, kDay};
    QTest::newRow("day digit missing") << "1 .02.03" << QStringList{kDate};
    QTest::newRow("year missing") << "12.01.  " << QStringList{kDate};
    QTest::newRow("only the day typed") << "12.  .  " << QStringList{kDate};
}

void FieldChecksTest::date()
{
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    QCOMPARE(checkDate(text), messages);
}

void FieldChecksTest::monthYear_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("december") << "12.99" << QStringList();
    QTest::newRow("untouched") << "  .  " << QStringList();
    QTest::newRow("month 13") << "13.05" << QStringList{kMonth};
    QTest::newRow("month 0") << "00.05" << QStringList{kMonth};
    QTest::newRow("year missing") << "01.  " << QStringList{kDate};
    QTest::newRow("month digit missing") << " 1.05" << QStringList{kDate};
}

void FieldChecksTest::monthYear()
{
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    QCOMPARE(checkMonthYear(text), messages);
}

void FieldChecksTest::organisationCode_data()
{
    const QStringList eight{"2457.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"};
    const QStringList ten{
        "2457.Помилка в індивідуальному податковому номері.\n\rВ номері повинно бути 10 цифр"};

    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("fieldCode");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("four digits, legal") << "1234    "
                                        << "ю"
                                        << "2457" << eight;
    QTest::newRow("four digits, kind box never left") << "1234    "
                                                      << ""
                                                      << "2457" << QStringList();
    QTest::newRow("eight digits, legal") << "12345678"
                                         << "ю"
                                         << "2457" << QStringList();
    QTest::newRow("empty, legal") << blanks(8) << "ю"
                                  << "2457" << QStringList();
    QTest::newRow("ten digits, individual") << "1234567890"
                                            << "ф"
                                            << "2457" << QStringList();
    QTest::newRow("empty, individual") << blanks(10) << "ф"
                                       << "2457" << QStringList();
    QTest::newRow("eight of ten digits") << "12345678  "
                                         << "ф"
                                         << "2457" << ten;
    QTest::newRow("ten blanks, legal") << blanks(10) << "ю"
                                       << "2457" << eight;
    QTest::newRow("eight blanks, individual") << blanks(8) << "ф"
                                              << "2457" << ten;
    QTest::newRow("customer prefix")
        << "1       "
        << "ю"
        << "2458" << QStringList{"2458.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"};
    QTest::newRow("owner prefix")
        << "1         "
        << "ф"
        << "2459"
        << QStringList{"2459.Помилка в індивідуальному податковому номері.\n\rВ номері "
                       "повинно бути 10 цифр"};
    QTest::newRow("co-executor, no prefix")
        << "1234    "
        << "ю"
        << "" << QStringList{"Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"};
    QTest::newRow("co-executor tax number, no prefix")
        << "1234      "
        << "ф"
        << ""
        << QStringList{
               "Помилка в індивідуальному податковому номері.\n\rВ номері повинно бути 10 цифр"};
}

void FieldChecksTest::organisationCode()
{
    QFETCH(QString, text);
    QFETCH(QString, marker);
    QFETCH(QString, fieldCode);
    QFETCH(QStringList, messages);
    QCOMPARE(checkOrganisationCode(text, marker, fieldCode), messages);
}

void FieldChecksTest::numberComplete_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fieldCode");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("untouched") << "    U      "
                               << "5436" << QStringList();
    QTest::newRow("complete") << "1234U567890"
                              << "5436" << QStringList();
    QTest::newRow("four digits and one more") << "1234U5     "
                                              << "5436" << QStringList{"5436.Помилка в номері"};
    QTest::newRow("last digit missing") << "1234U56789 "
                                        << "5438" << QStringList{"5438.Помилка в номері"};
    QTest::newRow("stage number") << "12  U      "
                                  << "5526" << QStringList{"5526.Помилка в номері"};
}

void FieldChecksTest::numberComplete()
{
    QFETCH(QString, text);
    QFETCH(QString, fieldCode);
    QFETCH(QStringList, messages);
    QCOMPARE(checkNumberComplete(text, fieldCode), messages);
}

void FieldChecksTest::numberLetter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fieldCode");
    QTest::addColumn<QStringList>("messages");
    const QStringList refused{"7210.Помилка в номері"};
    QTest::newRow("U first") << "UA12B34567C"
                             << "7210" << QStringList();
    QTest::newRow("U fifth") << "AB12U34567C"
                             << "7210" << QStringList();
    QTest::newRow("U both") << "UB12U34567C"
                            << "7210" << QStringList();
    QTest::newRow("no U") << "AB12C34567D"
                          << "7210" << refused;
    QTest::newRow("U elsewhere") << "AU12CU4567U"
                                 << "7210" << refused;
    QTest::newRow("lower-case u") << "uB12u34567C"
                                  << "7210" << refused;
    QTest::newRow("Cyrillic U lookalike") << "\u0423B12C34567D"
                                          << "7210" << refused;
    QTest::newRow("still a blank") << "AB12C3456 D"
                                   << "7210" << QStringList();
    QTest::newRow("untouched") << QString(11, QLatin1Char(' ')) << "7210" << QStringList();
    QTest::newRow("other prefix") << "AB12C34567D"
                                  << "5436" << QStringList{"5436.Помилка в номері"};
}

void FieldChecksTest::numberLetter()
{
    QFETCH(QString, text);
    QFETCH(QString, fieldCode);
    QFETCH(QStringList, messages);
    QCOMPARE(checkNumberLetter(text, fieldCode), messages);
}

void FieldChecksTest::codeLists_data()
{
    const QString finance = QStringLiteral("Помилка в коді джерела фінансування!");
    const CodeList access{{"5", "4", "1"},
                          false,
                          "  4 - конфіденційна,  5 - відкрита,  1 - для службового користування"};
    const CodeList role{{"17", "71"}, true, "  17 - головний виконавець,  71 - співвиконавець"};
    const QStringList firstSources{"7713", "7722", "7704"};
    const CodeList firstRowBefore{firstSources, true, finance}; // before a customer was entered
    const CodeList firstRowAfter{firstSources, false, finance}; // afterwards
    const CodeList laterRow{{"7713", "7705", "7706", "7722", "7704"}, true, finance};
    const CodeList currency{{"тис.грн.", "дол.", "євро", "DM", "тис.руб."},
                            false,
                            "Такої грошової одиниці немає в словнику!"};
    const CodeList withEmptyItem{{"", "П"}, false, "x"};

    QTest::addColumn<QString>("text");
    QTest::addColumn<CodeList>("list");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("5256: 5") << "5" << access << QStringList();
    QTest::newRow("5256: 3") << "3" << access << QStringList{access.message};
    QTest::newRow("5256: empty") << "" << access << QStringList{access.message};
    QTest::newRow("5256: not trimmed") << " 5" << access << QStringList{access.message};
    QTest::newRow("7209: empty") << "" << role << QStringList();
    QTest::newRow("7209: 71") << "71" << role << QStringList();
    QTest::newRow("7209: 72") << "72" << role << QStringList{role.message};
    QTest::newRow("fin empty before a customer") << "" << firstRowBefore << QStringList();
    QTest::newRow("fin empty after a customer") << "" << firstRowAfter << QStringList{finance};
    QTest::newRow("fin: 7706") << "7706" << firstRowBefore << QStringList{finance};
    QTest::newRow("fin: 7722") << "7722" << firstRowAfter << QStringList();
    QTest::newRow("fin1: 7706") << "7706" << laterRow << QStringList();
    QTest::newRow("fin1: empty") << "" << laterRow << QStringList();
    QTest::newRow("fin1: 7707") << "7707" << laterRow << QStringList{finance};
    QTest::newRow("currency") << "євро" << currency << QStringList();
    QTest::newRow("currency, other case") << "Євро" << currency << QStringList{currency.message};
    QTest::newRow("currency not listed") << "руб." << currency << QStringList{currency.message};
    QTest::newRow("empty item") << "" << withEmptyItem << QStringList();
}

void FieldChecksTest::codeLists()
{
    QFETCH(QString, text);
    QFETCH(CodeList, list);
    QFETCH(QStringList, messages);
    QCOMPARE(checkCode(text, list), messages);
}

QTEST_APPLESS_MAIN(FieldChecksTest)
#include "fieldchecks_test.moc"
