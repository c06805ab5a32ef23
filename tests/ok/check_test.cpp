#include "ok/support/okfiles.h"

#include "support/programrun.h"

#include "cardfile/fieldchecks.h"
#include "cardfile/personkind.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The program's "check" command on accounting card files.
class CheckTest : public QObject
{
    Q_OBJECT

private:
    ProgramRun m_run;

private slots:
    void initTestCase()
    {
        if (!m_run.found())
            QSKIP("the program is not built");
    }

    void failuresOfShownAndHiddenFields_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("passes") << u"5256\\"_s << u"5256\\4"_s << QString();
        QTest::newRow("date") << u"5418\\"_s << u"5418\\15/2-7\\00.00.05"_s
                              << checkLines(u"ok.txt"_s, u"5418 ed5418D"_s,
                                            {u"Помилка в місяці!"_s, u"Помилка в числі місяця!"_s});
        // Co-executor 3 is not the one shown after reading.
        QTest::newRow("co-executor not shown")
            << u"2142\\3\\"_s << u"2142\\3\\1\\2000003\\Місто\\Назва\\Адреса"_s
            << checkLines(u"ok.txt"_s, u"2142 ed2142k"_s,
                          fieldchecks::checkOrganisationCode(
                              u"2000003 "_s, u"ю"_s,
                              partyKinds(KindCard::OK, Party::CoExecutor).fieldCode));
    }

    void failuresOfShownAndHiddenFields()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const QString card =
            m_run.write(u"ok.txt"_s, cardBytes(withLine(fullOkCardLines(), prefix, line)));
        const ProgramRun::Result run = m_run.run({u"check"_s, card});
        QCOMPARE(run.output, expected);
        QCOMPARE(run.exitCode, expected.isEmpty() ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(CheckTest)
#include "check_test.moc"
