#include "rk/support/rkfiles.h"

#include "app/support/programrun.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// The program's "convert" command on registration card files, run as a
// separate process the way a script would run it.
class ConvertTest : public QObject
{
    Q_OBJECT

private:
    using Run = ProgramRun::Result;

    QString write(const QString &name, const QByteArray &bytes) { return m_run.write(name, bytes); }
    Run convert(const QStringList &arguments) { return m_run.convert(arguments); }
    static QByteArray contents(const QString &path) { return ProgramRun::contents(path); }

    ProgramRun m_run;

private slots:
    void initTestCase()
    {
        if (const QString why = m_run.unavailable(); !why.isEmpty())
            QSKIP(qPrintable(why));
    }

    void convertsAFullCardByteForByte()
    {
        const QByteArray full = cardBytes(fullCardLines());
        const QString out = m_run.path(u"out.txt"_s);
        for (const QStringList &kind : {QStringList(), QStringList{u"--kind"_s, u"rk"_s}}) {
            QFile::remove(out);
            const Run run = convert(kind + QStringList{write(u"full.txt"_s, full), out});
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.errors, QString());
            QCOMPARE(contents(out), full);
        }
        // Older layouts come out in the program's own.
        const Run older =
            convert({write(u"older.txt"_s,
                           cardBytes({u"5013\\01"_s, u"2754\\Харків"_s, u"2655\\вул. Сумська, 2"_s,
                                      u"6120\\Петренко П.П."_s})),
                     out});
        QCOMPARE(older.exitCode, 0);
        QVERIFY(contents(out).contains(lineBytes({u"2655\\Харків\\вул. Сумська, 2"_s})));
        QVERIFY(contents(out).contains(lineBytes({u"6120\\1\\Петренко П.П."_s})));
    }

    void anAccountingCardNameIsOnlyWarnedAbout()
    {
        const QString out = m_run.path(u"ok-out.txt"_s);
        const Run run =
            convert({u"--kind"_s, u"rk"_s, write(u"OK2005.txt"_s, cardBytes(newCardLines())), out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors.trimmed(),
                 u"Зверніть увагу Ви відкрили облікову картку !    OK2005.txt"_s);
        QCOMPARE(contents(out), cardBytes(newCardLines()));
    }

    void aReadingErrorWritesNothing()
    {
        const QString out = m_run.path(u"never.txt"_s);
        const Run run =
            convert({write(u"broken.txt"_s,
                           cardBytes({u"5013\\01"_s, u"9036\\x\\01.05\\02.05\\91\\Етап"_s})),
                     out});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(u"9036"_s) && run.errors.contains(u"x"_s),
                 qPrintable(run.errors));
        QVERIFY(!QFile::exists(out));

        const Run missing = convert({m_run.path(u"absent.txt"_s), out});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(!missing.errors.isEmpty());
        QVERIFY(!QFile::exists(out));

        const Run unwritable = convert(
            {write(u"fine.txt"_s, cardBytes(newCardLines())), m_run.path(u"no/folder/out.txt"_s)});
        QCOMPARE(unwritable.exitCode, 2);
        QVERIFY(!unwritable.errors.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ConvertTest)
#include "convert_test.moc"
