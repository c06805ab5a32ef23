#include "cardfile/languagecheck.h"

#include <QTest>

class LanguageCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void languagePrompts_data();
    void languagePrompts();
    void supervisorPrompts_data();
    void supervisorPrompts();
};

using languagecheck::Prompts;
using languagecheck::Texts;

void LanguageCheckTest::languagePrompts_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("surnames");
    QTest::addColumn<QString>("message"); // empty: nothing happens
    QTest::addColumn<int>("language");

    const QString uk = QStringLiteral("Назва");
    const QString ru = QStringLiteral("Название");
    const QString en = QStringLiteral("Title");
    QTest::newRow("Ukrainian typed: Russian asked")
        << 0 << QStringList{uk, "", ""} << false << "Введіть назву російською мовою !" << 1;
    QTest::newRow("then English asked")
        << 1 << QStringList{uk, ru, ""} << false << "Введіть назву англійською мовою !" << 2;
    QTest::newRow("Russian left empty ends") << 1 << QStringList{uk, "", ""} << false << "" << -1;
    QTest::newRow("English left empty ends") << 2 << QStringList{uk, ru, ""} << false << "" << -1;
    QTest::newRow("English shown, Russian missing")
        << 2 << QStringList{uk, "", en} << false << "Введіть назву російською мовою !" << 1;
    QTest::newRow("Ukrainian left empty: asked again")
        << 0 << QStringList{"", "", ""} << false << "Введіть назву українською мовою !" << 0;
    QTest::newRow("Russian typed first: Ukrainian asked")
        << 1 << QStringList{"", ru, ""} << false << "Введіть назву українською мовою !" << 0;
    QTest::newRow("all three") << 0 << QStringList{uk, ru, en} << false << "" << -1;
    QTest::newRow("surname: Russian asked") << 0 << QStringList{"Шевченко", "", ""} << true
                                            << "Введіть прізвище російською мовою !" << 1;
    QTest::newRow("surname: English asked") << 1 << QStringList{"Шевченко", "Шевченко", ""} << true
                                            << "Введіть прізвище англійською мовою !" << 2;
    QTest::newRow("surname: Ukrainian asked")
        << 0 << QStringList{"", "", ""} << true << "Введіть прізвище українською мовою !" << 0;
}

void LanguageCheckTest::languagePrompts()
{
    QFETCH(int, shown);
    QFETCH(QStringList, texts);
    QFETCH(bool, surnames);
    QFETCH(QString, message);
    QFETCH(int, language);

    const auto request = languagecheck::check(shown, Texts{texts[0], texts[1], texts[2]},
                                              surnames ? Prompts::Surnames : Prompts::Names);
    QCOMPARE(request.has_value(), !message.isEmpty());
    if (!request)
        return;
    QCOMPARE(request->message, message);
    QVERIFY(request->asks());
    QCOMPARE(request->language, language);
    QVERIFY(!request->thenUkrainian);
}

void LanguageCheckTest::supervisorPrompts_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("lastRow");
    QTest::addColumn<bool>("acts");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("thenUkrainian");

    const QString uk = QStringLiteral("Коваль");
    const QString ru = QStringLiteral("Коваль");
    const QString en = QStringLiteral("Koval");
    const QString askRussian = QStringLiteral("Введіть прізвище російською мовою !");
    const QString askEnglish = QStringLiteral("Введіть прізвище англійською мовою !");
    QTest::newRow("Ukrainian typed: Russian asked")
        << 0 << QStringList{uk, "", ""} << false << true << askRussian << 1 << false;
    QTest::newRow("then English asked")
        << 1 << QStringList{uk, ru, ""} << false << true << askEnglish << 2 << false;
    QTest::newRow("Russian left empty ends")
        << 1 << QStringList{uk, "", ""} << false << false << "" << 0 << false;
    QTest::newRow("complete: back to Ukrainian")
        << 2 << QStringList{uk, ru, en} << false << true << "" << 0 << false;
    QTest::newRow("empty row stays empty")
        << 0 << QStringList{"", "", ""} << false << false << "" << 0 << false;
    QTest::newRow("no Ukrainian: nothing asked")
        << 0 << QStringList{"", ru, ""} << true << false << "" << 0 << false;
    QTest::newRow("third row without Russian: asked, then Ukrainian")
        << 0 << QStringList{uk, "", en} << true << true << askRussian << 1 << true;
    QTest::newRow("second row without Russian stays on Russian")
        << 0 << QStringList{uk, "", en} << false << true << askRussian << 1 << false;
    QTest::newRow("third row without English")
        << 1 << QStringList{uk, ru, ""} << true << true << askEnglish << 2 << false;
}

void LanguageCheckTest::supervisorPrompts()
{
    QFETCH(int, shown);
    QFETCH(QStringList, texts);
    QFETCH(bool, lastRow);
    QFETCH(bool, acts);
    QFETCH(QString, message);
    QFETCH(int, language);
    QFETCH(bool, thenUkrainian);

    const auto request =
        languagecheck::checkSupervisor(shown, Texts{texts[0], texts[1], texts[2]}, lastRow);
    QCOMPARE(request.has_value(), acts);
    if (!request)
        return;
    QCOMPARE(request->message, message);
    QCOMPARE(request->language, language);
    QCOMPARE(request->thenUkrainian, thenUkrainian);
}

QTEST_APPLESS_MAIN(LanguageCheckTest)
#include "languagecheck_test.moc"
