#include "rk/support/rkfiles.h"

#include "support/programrun.h"

#include "cardfile/codepage.h"

#include <QDir>

#include <QFile>
#include <QFileInfo>
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
        if (!m_run.found())
            QSKIP("the program is not built");
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
        QVERIFY2(run.errors.startsWith(u"Помилка: Картку прочитано не до кінця: у рядку 2 (код "
                                       "9036) стоїть «x» там, де має бути ціле число. Нічого не "
                                       "записано.\n"_s),
                 qPrintable(run.errors));
        QVERIFY(!QFileInfo::exists(out));

        const Run missing = convert({m_run.path(u"absent.txt"_s), out});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(!missing.errors.isEmpty());
        QVERIFY(!QFileInfo::exists(out));

        const Run unwritable = convert(
            {write(u"fine.txt"_s, cardBytes(newCardLines())), m_run.path(u"no/folder/out.txt"_s)});
        QCOMPARE(unwritable.exitCode, 2);
        QVERIFY(!unwritable.errors.isEmpty());
    }

    // A card in UTF-8 is converted to code page 1251, and the clerk is told once.
    void aCardInUtf8IsSavedInCodePage1251()
    {
        const QString out = m_run.path(u"from-utf8.txt"_s);
        const QByteArray cp1251 = cardBytes(fullCardLines());
        const Run run = convert(
            {write(u"utf8.txt"_s, "\xEF\xBB\xBF" + codepage::decode(cp1251).toUtf8()), out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors.count(u"UTF-8"_s), 1);
        QCOMPARE(contents(out), cp1251);
    }

    // Many cards printed in one run: a PDF per card under its base name, none
    // for the card that cannot be read.
    void manyCardsPrintInOneRun()
    {
        QVERIFY(QDir(m_run.path(QString())).mkpath(u"pdfs"_s));
        const QStringList cards{
            write(u"first.txt"_s, cardBytes(fullCardLines())),
            write(u"bad.txt"_s, cardBytes({u"5013\\01"_s, u"9036\\x\\01.05\\02.05\\91\\Етап"_s})),
            write(u"second.txt"_s, cardBytes(newCardLines()))};
        const Run run =
            m_run.run(QStringList{u"pdf"_s, u"--output-dir"_s, m_run.path(u"pdfs"_s)} + cards);
        QCOMPARE(run.exitCode, 2);
        const QString &errors = run.errors;
        QVERIFY2(errors.contains(u"bad.txt: Помилка: Картку прочитано не до кінця"_s),
                 qPrintable(errors));
        QCOMPARE(QDir(m_run.path(u"pdfs"_s)).entryList(QDir::Files),
                 (QStringList{u"first.pdf"_s, u"second.pdf"_s}));
        QVERIFY(contents(m_run.path(u"pdfs/first.pdf"_s)).startsWith("%PDF"));
    }

    // The disk fills up while the card is written: the old file stays, the
    // command fails.
    void aFullDiskKeepsTheOldFile()
    {
        const QString out = write(u"old.txt"_s, cardBytes(newCardLines()));
        const QByteArray full = cardBytes(fullCardLines());
        QVERIFY(full.size() > 2048 &&
                full.size() < 16384); // more than the room, less than a buffer
        const QString card = write(u"full.txt"_s, full);
        const Run run = m_run.run({u"convert"_s, card, out}, u"trap '' XFSZ; ulimit -f 1"_s);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.errors.contains(u"Файл, що вже був на диску, залишився без змін."_s));
        QCOMPARE(contents(out), cardBytes(newCardLines()));
    }
};

QTEST_GUILESS_MAIN(ConvertTest)
#include "convert_test.moc"
