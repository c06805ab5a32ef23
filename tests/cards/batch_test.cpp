#include "support/programrun.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// Cards of every kind in one run of the command line: each is read by the
// rules of its own kind, and a card never keeps anything of the card read
// before it by the same document, so every output equals the one a run of
// its own writes.
class BatchTest : public QObject
{
    Q_OBJECT

private:
    ProgramRun m_run;
    QStringList m_cards;

    QString single(const QString &command, const QString &card, const QString &output)
    {
        const ProgramRun::Result run = m_run.run({command, card, output});
        return run.exitCode == 0 ? output : run.errors;
    }

private slots:
    void initTestCase()
    {
        if (!m_run.found())
            QSKIP("the program is not built");
        // Each kind's full card, then its newly made one.
        for (const char *kind : {"rk", "ok", "okd"}) {
            for (const char *sample : {"full", "new"}) {
                const QString name = u"%1-%2.txt"_s.arg(QLatin1String(kind), QLatin1String(sample));
                m_cards << m_run.write(
                    name, ProgramRun::contents(u"" OVRIDA_TEST_DATA "/corpus/%1/%2.txt"_s.arg(
                              QLatin1String(kind), QLatin1String(sample))));
            }
        }
    }

    void everyCardAsIfAlone()
    {
        QVERIFY(QDir().mkpath(m_run.path(u"converted"_s)));
        QVERIFY(QDir().mkpath(m_run.path(u"printed"_s)));
        for (const QString &command : {u"convert"_s, u"pdf"_s}) {
            const QString folder = m_run.path(command == u"pdf"_s ? u"printed"_s : u"converted"_s);
            const ProgramRun::Result batch =
                m_run.run(QStringList{command, u"--output-dir"_s, folder} + m_cards);
            QVERIFY2(batch.exitCode == 0, qPrintable(batch.errors));
            for (const QString &card : m_cards) {
                const QFileInfo file(card);
                if (command == u"convert"_s) {
                    const QString alone = single(command, card, m_run.path(u"alone.txt"_s));
                    QCOMPARE(ProgramRun::contents(folder + u'/' + file.fileName()),
                             ProgramRun::contents(alone));
                } else {
                    const QString alone = single(command, card, m_run.path(u"alone.pdf"_s));
                    const int pages = ProgramRun::pdfPageCount(folder + u'/' +
                                                               file.completeBaseName() + u".pdf"_s);
                    QVERIFY2(pages > 1, qPrintable(card));
                    QCOMPARE(pages, ProgramRun::pdfPageCount(alone));
                }
            }
        }
        // Checking them all at once gives what each check alone gives.
        QString alone;
        for (const QString &card : m_cards)
            alone += m_run.run({u"check"_s, card}).output;
        QCOMPARE(m_run.run(QStringList{u"check"_s} + m_cards).output, alone);
    }

    // A PDF that cannot be written (a folder stands in its place) is named
    // with the reason; the cards before and after it are written.
    void aFileThatCannotBeWrittenIsReported()
    {
        const QString folder = m_run.path(u"blocked"_s);
        QVERIFY(QDir().mkpath(folder + u"/rk-new.pdf"_s));
        const ProgramRun::Result batch =
            m_run.run(QStringList{u"pdf"_s, u"--output-dir"_s, folder} + m_cards);
        QCOMPARE(batch.exitCode, 2);
        QVERIFY2(batch.errors.contains(u"rk-new.txt: Не вдалося записати файл"_s),
                 qPrintable(batch.errors));
        QVERIFY(batch.errors.contains(u"Не вдалося обробити карток: 1 з 6."_s));
        QCOMPARE(QDir(folder).entryList({u"*.pdf"_s}, QDir::Files).size(), 5);
    }
};

QTEST_GUILESS_MAIN(BatchTest)
#include "batch_test.moc"
