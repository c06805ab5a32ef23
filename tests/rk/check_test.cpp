#include "rk/support/rkfiles.h"

#include "support/programrun.h"

#include "cardfile/fieldchecks.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList fullCardWith(const QString &prefix, const QString &line)
{
    return withLine(fullCardLines(), prefix, line);
}

} // namespace

// The program's "check" command on registration card files: the editor's
// own checks run over every field of a card read from a file.
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

    void aFullCardPasses()
    {
        const ProgramRun::Result run =
            m_run.run({u"check"_s, m_run.write(u"full.txt"_s, cardBytes(fullCardLines()))});
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.output, QString());
        QCOMPARE(run.exitCode, 0);
    }

    void eachFailureIsOneLine_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date") << u"5418\\"_s << u"5418\\17/2-45\\32.13.05"_s
                              << checkLines(u"card.txt"_s, u"5418 ed5418D"_s,
                                            {u"Помилка в місяці!"_s, u"Помилка в числі місяця!"_s});
        QTest::newRow("registration number")
            << u"5436\\"_s << u"5436\\0105U00    "_s
            << checkLines(u"card.txt"_s, u"5436 ed5436"_s, {u"5436.Помилка в номері"_s});
        // The person type the card holds decides the length, through the
        // editor's own check.
        QTest::newRow("eight digits of an individual")
            << u"2457\\"_s << u"2457\\2\\01234567"_s
            << checkLines(u"card.txt"_s, u"2457 ed2457"_s,
                          fieldchecks::checkOrganisationCode(u"01234567  "_s, u"ф"_s, u"2457"_s));
        QTest::newRow("customer not shown")
            << u"2458\\3\\"_s << u"2458\\3\\1\\123456\\Місто\\Замовник\\Адреса"_s
            << checkLines(u"card.txt"_s, u"2458 ed2458"_s,
                          {u"2458.Помилка в коді ЄДРПОУ. В коді повинно бути 8 цифр"_s});
        QTest::newRow("no Ukrainian name") << u"2151\\1\\"_s << QString()
                                           << checkLines(u"card.txt"_s, u"2151 mm2151"_s,
                                                         {u"Введіть назву українською мовою !"_s});
        QTest::newRow("no Russian name") << u"2151\\2\\"_s << QString() << QString();
    }

    void eachFailureIsOneLine()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const QString card = m_run.write(u"card.txt"_s, cardBytes(fullCardWith(prefix, line)));
        const ProgramRun::Result run = m_run.run({u"check"_s, u"--kind"_s, u"rk"_s, card});
        QCOMPARE(run.output, expected);
        QCOMPARE(run.exitCode, expected.isEmpty() ? 0 : 1);
        // The card file is only read.
        QCOMPARE(ProgramRun::contents(card), cardBytes(fullCardWith(prefix, line)));
    }

    void anUnreadableCardDoesNotStopTheOthers()
    {
        const QString good = m_run.write(u"good.txt"_s, cardBytes(fullCardLines()));
        const QString bad =
            m_run.write(u"bad.txt"_s, cardBytes(fullCardWith(u"5418\\"_s, u"5418\\1\\01.13.05"_s)));
        const ProgramRun::Result run =
            m_run.run({u"check"_s, good, m_run.path(u"missing.txt"_s), bad});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(u"missing.txt"_s), qPrintable(run.errors));
        QCOMPARE(run.output, checkLines(u"bad.txt"_s, u"5418 ed5418D"_s, {u"Помилка в місяці!"_s}));
    }
};

QTEST_GUILESS_MAIN(CheckTest)
#include "check_test.moc"
