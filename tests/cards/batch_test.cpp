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
        QVERIFY2(batch.errors.contains(u"rk-new.txt: Помилка: Не вдалося записати файл"_s),
                 qPrintable(batch.errors));
        QVERIFY(batch.errors.contains(u"Не вдалося обробити карток: 1 з 6."_s));
        QCOMPARE(QDir(folder).entryList({u"*.pdf"_s}, QDir::Files).size(), 5);
    }
    // Cards that once came back changed or were taken for something else:
    // each is converted with the message and output given, and what is
    // written converts again to the same bytes.
    void troublesomeCardsConvertOnce_data()
    {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("written");
        const QByteArray head = "5013\\01\r\n5256\\4\r\n";
        QTest::newRow("code page pair that is also UTF-8")
            << head + "9036\\1\\01.05\\12.05\\\\\xD1\xA3\r\n6140\\\xD0\xB3\r\n"
            << 0 << QString() << QByteArray("6140\\\xD0\xB3\r\n");
        QTest::newRow("mark before code page text")
            << "\xEF\xBB\xBF" + head + "6140\\\xB2\xE2\xE0\xED\xE5\xED\xEA\xEE\r\n"
            << 0 << u"позначено як UTF-8, але записано не в UTF-8"_s
            << QByteArray("6140\\\xB2\xE2\xE0\xED\xE5\xED\xEA\xEE\r\n");
        QTest::newRow("no-break space ending a memo")
            << head + "9126\\\xEC\xE5\xF2\xE0\xA0\r\n"
            << 0 << QString() << QByteArray("9126\\\xEC\xE5\xF2\xE0\xA0\r\n");
        QTest::newRow("older co-executor code with blanks")
            << head + "2142\\1\\          1\\Misto\\Nazva\\Adresa\r\n"
            << 0 << QString() << QByteArray("\\1       \\Misto\\Nazva\\Adresa\r\n");
        QTest::newRow("older co-executor code too long")
            << head + "2142\\1\\12345678901\\Misto\\Nazva\\Adresa\r\n"
            << 2
            << u"Помилка: Картку прочитано не до кінця: у рядку 3 (код 2142) код співвиконавця "
               u"«12345678901» довший за 10 цифр. Нічого не записано."_s
            << QByteArray();
        QTest::newRow("customer code too long")
            << head + "2458\\1\\2\\123456789012\\Misto\\Nazva\\Adresa\r\n"
            << 2 << u"у рядку 3 (код 2458) код замовника «123456789012» довший за 10 цифр."_s
            << QByteArray();
        QTest::newRow("owner code too long on the accounting card")
            << QByteArray("5013\\02\r\n2459\\2\\123456789012\r\n") << 2
            << u"у рядку 2 (код 2459) код власника «123456789012» довший за 10 цифр."_s
            << QByteArray();
        QTest::newRow("supervisor code with a blank day")
            << QByteArray("5013\\04\r\n6156\\3\\1\\\\\\\\ 3.05.21\\_3\r\n") << 0 << QString()
            << QByteArray("6156\\3\\1\\\\\\\\ 3.05.21\\ 3.  .  \r\n");
        QByteArray noise(4096, '\0');
        for (qsizetype i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + 13) % 256);
        QTest::newRow("no card line at all")
            << noise << 2 << u"немає жодного рядка картки."_s << QByteArray();
    }

    void troublesomeCardsConvertOnce()
    {
        QFETCH(QByteArray, card);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(QByteArray, written);
        const QString input = m_run.write(u"troublesome.txt"_s, card);
        const QString first = m_run.path(u"first.txt"_s);
        const QString second = m_run.path(u"second.txt"_s);
        QFile::remove(first);
        const ProgramRun::Result run = m_run.run({u"convert"_s, input, first});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(message.isEmpty() ? run.errors.isEmpty() : run.errors.contains(message),
                 qPrintable(run.errors));
        QCOMPARE(QFile::exists(first), exitCode == 0);
        if (exitCode != 0)
            return;
        QVERIFY2(ProgramRun::contents(first).contains(written), ProgramRun::contents(first));
        const ProgramRun::Result again = m_run.run({u"convert"_s, first, second});
        QVERIFY2(again.exitCode == 0 && again.errors.isEmpty(), qPrintable(again.errors));
        QCOMPARE(ProgramRun::contents(second), ProgramRun::contents(first));
    }

    // Two cards of one name from different folders: the second is named with
    // both paths and left out; the first keeps its output.
    void aBatchNeverWritesTwoCardsToOneName()
    {
        for (const QString &command : {u"convert"_s, u"pdf"_s}) {
            const QString out = m_run.path(u"same-"_s + command);
            QVERIFY(QDir().mkpath(out));
            QVERIFY(QDir().mkpath(m_run.path(u"a"_s)) && QDir().mkpath(m_run.path(u"b"_s)));
            const QString a = m_run.write(u"a/x.txt"_s, ProgramRun::contents(m_cards[0]));
            const QString b = m_run.write(u"b/x.txt"_s, ProgramRun::contents(m_cards[1]));
            const ProgramRun::Result batch = m_run.run({command, u"--output-dir"_s, out, a, b});
            QCOMPARE(batch.exitCode, 2);
            QVERIFY2(batch.errors.contains(u"x.txt: Помилка: Картка «%1»"_s.arg(b)) &&
                         batch.errors.contains(a),
                     qPrintable(batch.errors));
            const QString name = command == u"pdf"_s ? u"x.pdf"_s : u"x.txt"_s;
            QCOMPARE(QDir(out).entryList(QDir::Files), QStringList{name});
            if (command == u"convert"_s) {
                const QString alone = single(command, a, m_run.path(u"alone.txt"_s));
                QCOMPARE(ProgramRun::contents(out + u'/' + name), ProgramRun::contents(alone));
            }
        }
    }
};

QTEST_GUILESS_MAIN(BatchTest)
#include "batch_test.moc"
