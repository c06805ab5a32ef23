#include "cardfile/fieldchecks.h"
#include "cardfile/personkind.h"

#include <QTest>

Q_DECLARE_METATYPE(KindCard)
Q_DECLARE_METATYPE(Party)
Q_DECLARE_METATYPE(PersonKind)
Q_DECLARE_METATYPE(LabelColour)

class PersonKindTest : public QObject
{
    Q_OBJECT

private slots:
    void itemsAndNumbers();
    void looks_data();
    void looks();
    void selection_data();
    void selection();
    void codeCheckFollowsTheParty();
};

void PersonKindTest::itemsAndNumbers()
{
    QCOMPARE(personkind::items(), (QStringList{"Юридична особа", "Фізична особа"}));
    QCOMPARE(personkind::kindNumber("Юридична особа"), 1);
    QCOMPARE(personkind::kindNumber("Фізична особа"), 2);
    QCOMPARE(personkind::kindNumber("фізична особа"), 0);
    QCOMPARE(personkind::kindNumber(""), 0);
    QCOMPARE(personkind::kindShownBy("Фізична особа"), PersonKind::Individual);
    QCOMPARE(personkind::kindShownBy("фізична особа"), PersonKind::Legal);
    QCOMPARE(personkind::kindShownBy(""), PersonKind::Legal);
    QCOMPARE(personkind::marker(PersonKind::Legal), QStringLiteral("ю"));
    QCOMPARE(personkind::marker(PersonKind::Individual), QStringLiteral("ф"));
    for (const QString &item : personkind::items())
        QCOMPARE(personkind::itemText(*personkind::kindOfItem(item)), item);
}

void PersonKindTest::looks_data()
{
    QTest::addColumn<KindCard>("card");
    QTest::addColumn<Party>("party");
    QTest::addColumn<PersonKind>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("secondLabel");
    QTest::addColumn<int>("left");
    QTest::addColumn<LabelColour>("colour");
    QTest::addColumn<QString>("alsoColoured");
    QTest::addColumn<QString>("mask");

    const QString eight = QStringLiteral("99999999;1;_");
    const QString ten = QStringLiteral("9999999999;1;_");
    const auto legal = PersonKind::Legal;
    const auto individual = PersonKind::Individual;
    const auto window = LabelColour::WindowText;
    const auto blue = LabelColour::Blue;

    QTest::newRow("RK executor, legal")
        << KindCard::RK << Party::Executor << legal << "2457 Код організації"
        << "за ЄДРПОУ" << 64 << window << "Label27" << eight;
    QTest::newRow("RK executor, individual")
        << KindCard::RK << Party::Executor << individual << "2457 Індивідуальний "
        << "податковий номер" << 32 << blue << "" << ten;
    QTest::newRow("RK customer, legal")
        << KindCard::RK << Party::Customer << legal << "2458 Код організації за ЄДРПОУ"
        << "" << 0 << LabelColour::Black << "" << eight;
    QTest::newRow("RK customer, individual")
        << KindCard::RK << Party::Customer << individual << "2458 Індивідуальний податковий номер"
        << "" << 0 << blue << "" << ten;
    QTest::newRow("RK co-executor, legal")
        << KindCard::RK << Party::CoExecutor << legal << "Код організації за ЄДРПОУ"
        << "" << 0 << window << "" << eight;
    QTest::newRow("RK co-executor, individual")
        << KindCard::RK << Party::CoExecutor << individual << "Індивідуальний податковий номер"
        << "" << 0 << blue << "" << ten;
    QTest::newRow("OK executor, legal")
        << KindCard::OK << Party::Executor << legal << "2457 Код організації"
        << "за ЄДРПОУ" << 64 << window << "" << eight;
    QTest::newRow("OK owner, legal")
        << KindCard::OK << Party::Customer << legal << "2459 Код організації за ЄДРПОУ"
        << "" << 0 << window << "" << eight;
    QTest::newRow("OK owner, individual")
        << KindCard::OK << Party::Customer << individual << "2459 Індивідуальний податковий номер"
        << "" << 0 << blue << "" << ten;
}

void PersonKindTest::looks()
{
    QFETCH(KindCard, card);
    QFETCH(Party, party);
    QFETCH(PersonKind, kind);
    QFETCH(QString, label);
    QFETCH(QString, secondLabel);
    QFETCH(int, left);
    QFETCH(LabelColour, colour);
    QFETCH(QString, alsoColoured);
    QFETCH(QString, mask);

    const KindLook &look = partyKinds(card, party).look(kind);
    QCOMPARE(look.label, label);
    QCOMPARE(look.secondLabel, secondLabel);
    if (!secondLabel.isEmpty())
        QCOMPARE(look.secondLabelLeft, left);
    QCOMPARE(look.colour, colour);
    QCOMPARE(look.alsoColoured, alsoColoured);
    QCOMPARE(look.mask, mask);
}

void PersonKindTest::selection_data()
{
    QTest::addColumn<KindCard>("card");
    QTest::addColumn<QString>("text");
    QTest::addColumn<PersonKind>("kind");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("beep");
    QTest::addColumn<bool>("refocus");

    const QString legal = QStringLiteral("Юридична особа");
    const QString individual = QStringLiteral("Фізична особа");
    for (const KindCard card : {KindCard::RK, KindCard::OK}) {
        const char *name = card == KindCard::RK ? "RK" : "OK";
        QTest::addRow("%s: legal", name)
            << card << legal << PersonKind::Legal << legal << "" << false << false;
        QTest::addRow("%s: individual", name)
            << card << individual << PersonKind::Individual << individual << "" << false << false;
    }
    QTest::newRow("RK: other text becomes the first item")
        << KindCard::RK << "фізична особа" << PersonKind::Legal << legal << "" << false << true;
    QTest::newRow("RK: empty text becomes the first item")
        << KindCard::RK << "" << PersonKind::Legal << legal << "" << false << true;
    QTest::newRow("OK: other text refused and kept")
        << KindCard::OK << "Фізична" << PersonKind::Legal << "Фізична"
        << " Помилка " << true << true;
}

void PersonKindTest::selection()
{
    QFETCH(KindCard, card);
    QFETCH(QString, text);
    QFETCH(PersonKind, kind);
    QFETCH(QString, boxText);
    QFETCH(QString, message);
    QFETCH(bool, beep);
    QFETCH(bool, refocus);

    // Every party of a card treats its kind box alike.
    for (const Party party : {Party::Executor, Party::Customer, Party::CoExecutor}) {
        const KindSelection selection = selectKind(partyKinds(card, party), text);
        QCOMPARE(selection.kind, kind);
        QCOMPARE(selection.boxText, boxText);
        QCOMPARE(selection.message, message);
        QCOMPARE(selection.beep, beep);
        QCOMPARE(selection.refocus, refocus);
    }
}

void PersonKindTest::codeCheckFollowsTheParty()
{
    // The selected kind's marker and the party's field code drive the code check.
    const auto check = [](KindCard card, Party party, const QString &kindText,
                          const QString &code) {
        const PartyKinds &row = partyKinds(card, party);
        const KindSelection selection = selectKind(row, kindText);
        return fieldchecks::checkOrganisationCode(code, personkind::marker(selection.kind),
                                                  row.fieldCode);
    };
    QCOMPARE(check(KindCard::RK, Party::Customer, "Юридична особа", "123     "),
             QStringList{"2458.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"});
    QCOMPARE(check(KindCard::RK, Party::CoExecutor, "Фізична особа", "123       "),
             QStringList{"Помилка в індивідуальному податковому номері.\n\rВ номері повинно "
                         "бути 10 цифр"});
    QCOMPARE(check(KindCard::OK, Party::Customer, "Юридична особа", "123     "),
             QStringList{"2459.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"});
    QCOMPARE(check(KindCard::OK, Party::CoExecutor, "Юридична особа", "123     "),
             QStringList{"Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"});
}

QTEST_APPLESS_MAIN(PersonKindTest)
#include "personkind_test.moc"
