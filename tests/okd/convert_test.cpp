#include "okd/support/okdfiles.h"

#include "support/programrun.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// The program's "convert" command on dissertation card files, run as a
// separate process the way a script would run it.
class ConvertTest : public QObject
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

    // With or without --kind (the 5013 line says "05"), the card comes out
    // as the window writes it; an RK file read as OKD is written as "04".
    void convertsByteForByte()
    {
        const QString full = m_run.write(u"full.txt"_s, cardBytes(okdFullCardLines()));
        const QString out = m_run.path(u"out.txt"_s);
        for (const QStringList &kind : {QStringList(), QStringList{u"--kind"_s, u"okd"_s}}) {
            QFile::remove(out);
            const ProgramRun::Result run = m_run.convert(kind + QStringList{full, out});
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.errors, QString());
            QCOMPARE(ProgramRun::contents(out), cardBytes(okdFullCardLines()));
        }
        const QString rk = m_run.write(u"rk.txt"_s, cardBytes({u"5013\\01"_s}));
        QCOMPARE(m_run.convert({u"--kind"_s, u"okd"_s, rk, out}).exitCode, 0);
        QCOMPARE(ProgramRun::contents(out), cardBytes(okdNewCardLines()));
    }

    void aReadingErrorWritesNothing()
    {
        const QString out = m_run.path(u"never.txt"_s);
        const QString broken =
            m_run.write(u"broken.txt"_s, cardBytes({u"5013\\04"_s, u"6165\\x\\Опонент"_s}));
        const ProgramRun::Result run = m_run.convert({broken, out});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(u"6165"_s) && run.errors.contains(u"«x»"_s),
                 qPrintable(run.errors));
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_GUILESS_MAIN(ConvertTest)
#include "convert_test.moc"
