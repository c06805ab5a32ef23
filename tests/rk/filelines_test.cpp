#include "rk/rkcatalogue.h"
#include "rk/rkfilelines.h"
#include "rk/support/rkcard.h"
#include "rk/support/rkfiles.h"

#include <QTest>

using namespace Qt::StringLiterals;

class FileLinesTest : public QObject
{
    Q_OBJECT

private slots:
    void freshCardGivesTheMinimalFile()
    {
        PlainCard card;
        QCOMPARE(card.lines(), newCardLines());
        // Empty line at the end, CR LF after each line, no BOM.
        const QByteArray bytes = cardBytes(card.lines());
        QVERIFY(bytes.startsWith("5013\\01\r\n5256\\5\r\n"));
        QVERIFY(bytes.endsWith("6140\\\r\n\r\n"));
    }

    void optionalLinesAppearWhenFilled()
    {
        PlainCard card;
        card[u"ed5517"_s] = u"0104U000123"_s;
        card[u"ed7209"_s] = u"17"_s;
        card[u"ed6210"_s] = u"д.т.н."_s;
        card[u"REG"_s] = u"0105U000001"_s;
        card[u"DREG"_s] = u"01.02.2005"_s;
        const QStringList lines = card.lines();
        QCOMPARE(lines.at(4), u"5517\\0104U000123"_s);
        QVERIFY(lines.contains(u"7209\\17"_s));
        QCOMPARE(lines.at(lines.indexOf(u"6111\\"_s) + 1), u"6210\\д.т.н."_s);
        QCOMPARE(lines.last(), u"reg\\0105U000001\\01.02.2005"_s);

        // A registration date alone does not make a trailer.
        card[u"REG"_s].clear();
        QCOMPARE(card.lines().last(), u"6140\\"_s);
    }

    void executorTextsLoseTrailingBlanksOnly()
    {
        PlainCard card;
        card[u"ed2358"_s] = u"  ІФ НАН  "_s;
        card[u"gorv"_s] = u" Київ  "_s;
        card[u"mm2655"_s] = u" вул. Наукова, 1 "_s;
        card[u"ed1332"_s] = u"МОН "_s;
        card[u"ed2934"_s] = u" 123 "_s;
        const QStringList lines = card.lines();
        QVERIFY(lines.contains(u"2358\\  ІФ НАН"_s));
        QVERIFY(lines.contains(u"2655\\ Київ\\ вул. Наукова, 1 "_s));
        QVERIFY(lines.contains(u"1332\\МОН"_s));
        QVERIFY(lines.contains(u"2934\\ 123 "_s));
    }

    void financeRowsNeedAKnownCode()
    {
        PlainCard card;
        card[u"fin"_s] = u"7705"_s;
        card[u"sum"_s] = u"12,5"_s;
        card[u"fin1"_s] = u"7799"_s;
        card[u"ed1"_s] = u"дол."_s;
        card[u"fin2"_s] = u"7704"_s;
        card[u"ed2"_s] = u"євро"_s;
        card[u"sum2"_s] = u"3"_s;
        const QStringList lines = card.lines();
        const qsizetype at = lines.indexOf(u"1332\\"_s) + 1;
        QCOMPARE(lines.at(at), u"7705\\тис.грн.\\12,5"_s);
        QCOMPARE(lines.at(at + 1), u"7704\\євро\\3"_s);
        QCOMPARE(lines.at(at + 2), u"7353\\  .  "_s);
    }

    void groupsLanguagesAndRubricsInTheirPlaces()
    {
        PlainCard card;
        card[u"lizv"_s] = u"Фізична особа"_s;
        card[u"ed2457"_s] = u"1234567890"_s;
        for (int language = 0; language < 3; ++language) {
            card.logic.setLanguageText(
                RkCardData::Languages::Title, language,
                QStringList{u"Назва"_s, u"Название"_s, u"Title"_s}.at(language));
        }
        using Group = RkCardData::Group;
        card.logic.storeEntry(Group::Customers, 1,
                              u"1\\Юридична особа\\12345678\\Львів\\ЗАТ\\вул"_s,
                              u"1\\1\\12345678\\Львів\\ЗАТ\\вул"_s);
        card.logic.storeEntry(Group::Customers, 2, u"2\\Фізична особа\\1234567890\\\\Особа\\"_s,
                              u"2\\2\\1234567890\\\\Особа\\"_s);
        card.logic.storeEntry(Group::Coexecutors, 1, u"1\\Юридична особа\\87654321\\\\Інститут\\"_s,
                              u"1\\1\\87654321\\\\Інститут\\"_s);
        card.logic.storeEntry(Group::Stages, 1, u"1\\01.05\\06.05\\91\\Перший"_s,
                              u"1\\01.05\\06.05\\91\\Перший"_s);
        card.logic.storeEntry(Group::Stages, 2, u"2\\07.05\\12.05\\28\\Другий"_s,
                              u"2\\07.05\\12.05\\28\\Другий"_s);
        card[u"ed56162"_s] = u"12.34.56"_s;
        card[u"ed56165"_s] = u"65.43.21"_s;
        card[u"ed56166"_s] = u"  .  .  "_s;

        const QStringList lines = card.lines();
        QVERIFY(lines.contains(u"2457\\2\\1234567890"_s));
        const qsizetype customers = lines.indexOf(u"1332\\"_s) + 1;
        QCOMPARE(lines.mid(customers, 3),
                 QStringList({u"2458\\1\\1\\12345678\\Львів\\ЗАТ\\вул"_s,
                              u"2458\\2\\2\\1234567890\\\\Особа\\"_s, u"7353\\  .  "_s}));
        const qsizetype title = lines.indexOf(u"7191\\"_s) + 2; // after 7210
        QCOMPARE(lines.mid(title, 3),
                 QStringList({u"9027\\1\\Назва"_s, u"9027\\2\\Название"_s, u"9027\\3\\Title"_s}));
        const qsizetype coex = lines.indexOf(u"9153\\"_s) + 1;
        QCOMPARE(lines.mid(coex, 7),
                 QStringList({u"2142\\1\\1\\87654321\\\\Інститут\\"_s,
                              u"9036\\1\\01.05\\06.05\\91\\Перший"_s,
                              u"9036\\2\\07.05\\12.05\\28\\Другий"_s, u"5634\\"_s,
                              u"5616\\12.34.56"_s, u"5616\\65.43.21"_s, u"6111\\"_s}));
    }
};

QTEST_GUILESS_MAIN(FileLinesTest)
#include "filelines_test.moc"
