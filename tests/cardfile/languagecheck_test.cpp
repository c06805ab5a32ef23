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
}

void LanguageCheckTest::supervisorPrompts_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("acts");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("language");

    const QString uk = QStringLiteral("Коваль");
    const QString ru = QStringLiteral("Коваль");
    const QString en = QStringLiteral("Koval");
    const QString askRussian = QStringLiteral("Введіть прізвище російською мовою !");
    const QString askEnglish = QStringLiteral("Введіть прізвище англійською мовою !");
    QTest::newRow("Ukrainian typed: Russian asked")
        << 0 << QStringList{uk, "", ""} << true << askRussian << 1;
    QTest::newRow("then English asked") << 1 << QStringList{uk, ru, ""} << true << askEnglish << 2;
    QTest::newRow("Russian left empty ends") << 1 << QStringList{uk, "", ""} << false << "" << 0;
    QTest::newRow("complete: back to Ukrainian") << 2 << QStringList{uk, ru, en} << true << "" << 0;
    QTest::newRow("empty row stays empty") << 0 << QStringList{"", "", ""} << false << "" << 0;
    QTest::newRow("no Ukrainian: nothing asked")
        << 0 << QStringList{"", ru, ""} << false << "" << 0;
    QTest::newRow("English there, Russian asked: stays on Russian")
        << 0 << QStringList{uk, "", en} << true << askRussian << 1;
    QTest::newRow("Ukrainian and Russian there: English asked")
        << 1 << QStringList{uk, ru, ""} << true << askEnglish << 2;
}

void LanguageCheckTest::supervisorPrompts()
{
    QFETCH(int, shown);
    QFETCH(QStringList, texts);
    QFETCH(bool, acts);
    QFETCH(QString, message);
    QFETCH(int, language);

    const auto request = languagecheck::checkSupervisor(shown, Texts{texts[0], texts[1], texts[2]});
    QCOMPARE(request.has_value(), acts);
    if (!request)
        return;
    QCOMPARE(request->message, message);
    QCOMPARE(request->language, language);
}

QTEST_APPLESS_MAIN(LanguageCheckTest)
#include "languagecheck_test.moc"
