#include "okd/frmokd.h"
#include "okd/okddocument.h"
#include "okd/organisationblocks.h"
#include "okd/support/okdfiles.h"
#include "okd/support/okdwindow.h"

#include "cardfile/fieldchecks.h"
#include "cardfile/languagecheck.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The checks run when a field of the dissertation card is left, and the
// prompts for names in three languages.
class ChecksTest : public QObject
{
    Q_OBJECT

private slots:
    void fieldChecks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("messages");
        const QString month = u"Помилка в місяці!"_s;
        const QString day = u"Помилка в числі місяця!"_s;
        const QString edrpou = u"Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"_s;
        QTest::newRow("31.02") << u"ed5418D"_s << u"310203"_s << QStringList{};
        QTest::newRow("month 13") << u"ed7434"_s << u"011303"_s << QStringList{month};
        QTest::newRow("both") << u"ed7434"_s << u"321303"_s << QStringList{month, day};
        QTest::newRow("part of a date")
            << u"ed5418D"_s << u"1"_s << QStringList{u"Помилка в даті"_s};
        QTest::newRow("number part")
            << u"ed5438"_s << u"0101000"_s << QStringList{u"5438.Помилка в номері"_s};
        QTest::newRow("number whole") << u"ed5438"_s << u"0101000001"_s << QStringList{};
        QTest::newRow("code 7 digits") << u"edCod"_s << u"1234567"_s << QStringList{edrpou};
        QTest::newRow("code 8 digits") << u"edCod"_s << u"12345678"_s << QStringList{};
    }

    void fieldChecks()
    {
        QFETCH(QString, control);
        QFETCH(QString, keys);
        QFETCH(QStringList, messages);
        OkdWindow okd;
        if (control == u"edCod"_s) {
            okd.click(u"BitBtn4"_s);
            okd.click(u"BitBtn4"_s);
            okd.choose(u"RadioGroup1"_s, 2);
        }
        okd.enter(control, keys);
        QCOMPARE(okd.messages(), messages);
        QCOMPARE(okd.focused() == control, !messages.isEmpty());
        if (control == u"edCod"_s) // stored whether it passed or not
            QCOMPARE(okd.window()->values().blocks.records[2].code,
                     OrganisationBlocks::typedValue(okd.text(control)));
    }

    void listCheck_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        QTest::newRow("kind 06") << u"cb5013"_s << u"06"_s << u"04"_s;
        QTest::newRow("kind 05") << u"cb5013"_s << u"05"_s << u"05"_s;
        QTest::newRow("degree empty") << u"ed6156ns1"_s << u""_s << u"д.арх."_s;
        QTest::newRow("degree capitals") << u"ed6165ns2"_s << u"Д.Т.Н."_s << u"Д.Т.Н."_s;
        QTest::newRow("degree unknown") << u"ed6156ns3"_s << u"доктор"_s << u"д.арх."_s;
        QTest::newRow("applied empty") << u"ed7425"_s << u""_s << u""_s;
    }

    // A text outside the list becomes its first item, without a message,
    // and the cursor stays in the box.
    void listCheck()
    {
        QFETCH(QString, box);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        OkdWindow okd;
        okd.focus(box);
        okd.control(box)->findChild<QWidget *>()->setFocus();
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        okd.type(box, keys);
        okd.tab();
        QCOMPARE(okd.text(box), after);
        QVERIFY(okd.messages().isEmpty());
        QCOMPARE(okd.focused() == box, after != keys);
    }

    void chairDegreeHeldOnEveryChange()
    {
        OkdWindow okd;
        okd.type(u"ed6273ns"_s, u"к"_s);
        QCOMPARE(okd.text(u"ed6273ns"_s), u"д.арх."_s);
    }

    void applicantNames()
    {
        OkdWindow okd;
        okd.enter(u"ed6147"_s, u"Петренко"_s);
        QCOMPARE(okd.messages(), QStringList{u"Введіть прізвище російською мовою !"_s});
        QCOMPARE(okd.itemIndex(u"indjzd"_s), 1);
        QCOMPARE(okd.text(u"ed6147"_s), QString());
        QCOMPARE(okd.focused(), u"ed6147"_s);
        okd.forgetMessages();
        okd.tab(); // the Russian name may stay empty while it is shown
        QVERIFY(okd.messages().isEmpty());
        okd.choose(u"indjzd"_s, 0);
        QCOMPARE(okd.text(u"ed6147"_s), u"Петренко"_s);

        OkdWindow empty;
        for (int time = 0; time < 2; ++time) {
            empty.focus(u"ed6147"_s);
            empty.tab();
        }
        QCOMPARE(empty.messages(), QStringList(2, u"Введіть прізвище українською мовою !"_s));
    }

    void supervisorNames()
    {
        OkdWindow okd;
        okd.click(u"BitBtn3"_s);
        okd.enter(u"ed6156f3"_s, u"Коваль"_s);
        QCOMPARE(okd.messages(), QStringList{u"Введіть прізвище російською мовою !"_s});
        QCOMPARE(okd.itemIndex(u"indjzk"_s), 1);
        okd.forgetMessages();
        okd.choose(u"indjzk"_s, 2);
        okd.enter(u"ed6156f3"_s, u"Koval"_s);
        // Ukrainian and English but no Russian: asked for, and what is typed
        // next is the Russian name; the complete row goes back to Ukrainian.
        QCOMPARE(okd.messages(), QStringList{u"Введіть прізвище російською мовою !"_s});
        QCOMPARE(okd.itemIndex(u"indjzk"_s), 1);
        QCOMPARE(okd.text(u"ed6156f3"_s), QString());
        QCOMPARE(okd.focused(), u"ed6156f3"_s);
        okd.type(u"ed6156f3"_s, u"Коваль Н."_s);
        okd.tab();
        QCOMPARE(okd.window()->values().supervisorNames[2],
                 (languagecheck::Texts{u"Коваль"_s, u"Коваль Н."_s, u"Koval"_s}));
        QCOMPARE(okd.itemIndex(u"indjzk"_s), 0);
        QCOMPARE(okd.text(u"ed6156f3"_s), u"Коваль"_s);

        // Entering the next row while English is shown warns; a row left
        // without a Ukrainian name is never asked for.
        OkdWindow warned;
        warned.click(u"BitBtn3"_s);
        warned.choose(u"indjzk"_s, 2);
        warned.focus(u"ed6156f2"_s);
        QCOMPARE(warned.messages(), QStringList{u"Перевірьте положення вказівника мови !"_s});
        warned.choose(u"indjzk"_s, 0);
        warned.focus(u"ed6156f1"_s);
        warned.tab();
        QCOMPARE(warned.messages().size(), 1);
        QCOMPARE(warned.focused(), u"ed6156ns1"_s);
    }

    void emptyRowsAreSkipped()
    {
        OkdWindow okd;
        okd.click(u"BitBtn3"_s);
        okd.focus(u"ed6165f2"_s);
        okd.tab();
        QCOMPARE(okd.focused(), u"ed6174"_s);
        okd.click(u"BitBtn3"_s);
        okd.focus(u"ed5616a"_s);
        okd.tab();
        QCOMPARE(okd.focused(), u"BitBtn4"_s);
    }

    // A whole card read from a file and checked without a window: each row
    // changes one line of a full card, the expected messages come from the
    // check functions the editor runs.
    void wholeCard_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("passes") << u"5256\\"_s << u"5256\\4"_s << QString() << QStringList();
        QTest::newRow("bad date") << u"5418\\"_s << u"5418\\123/45\\32.13.05"_s << u"5418 ed5418D"_s
                                  << fieldchecks::checkDate(u"32.13.05"_s);
        QTest::newRow("no Ukrainian applicant name")
            << u"6147\\1\\"_s << QString() << u"6147 ed6147"_s
            << QStringList{languagecheck::check(languagecheck::Ukrainian, {},
                                                languagecheck::Prompts::Surnames)
                               ->message};
        QTest::newRow("supervisor without Russian name")
            << u"6156\\2\\2\\"_s << QString() << QString() << QStringList();
        // Block 3 is not the one shown after reading.
        QTest::newRow("code of a block not shown")
            << u"2484\\"_s << u"2484\\0213456"_s << u"2484 edCod"_s
            << fieldchecks::checkOrganisationCode(u"0213456 "_s, u"ю"_s, QString());
    }

    void wholeCard()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, line);
        QFETCH(QString, where);
        QFETCH(QStringList, messages);
        QTemporaryDir folder;
        QFile file(folder.filePath(u"okd.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cardBytes(withLine(okdFullCardLines(), prefix, line)));
        file.close();
        OkdDocument card;
        QVERIFY(card.read(file.fileName()));

        QStringList failures;
        for (const FieldFailure &failure : card.checkFields())
            failures << failure.fieldCode + u' ' + failure.control + u' ' + failure.message;
        QStringList expected;
        for (const QString &message : messages)
            expected << where + u' ' + message;
        QCOMPARE(failures, expected);
    }
};

QTEST_MAIN(ChecksTest)
#include "checks_test.moc"
