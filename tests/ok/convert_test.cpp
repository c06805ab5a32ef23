#include "ok/support/okfiles.h"

#include "support/programrun.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;

// The program's "convert" command on accounting card files, run as a
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

    void convertsByteForByte_data()
    {
        QTest::addColumn<QStringList>("kind");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("02 by its line") << QStringList() << fullOkCardLines();
        QTest::newRow("02 named") << QStringList{u"--kind"_s, u"ok"_s} << fullOkCardLines();
        QTest::newRow("03 by its line") << QStringList() << newOkCardLines();
    }

    void convertsByteForByte()
    {
        QFETCH(QStringList, kind);
        QFETCH(QStringList, lines);
        const QString out = m_run.path(u"out.txt"_s);
        QFile::remove(out);
        const Run run = convert(kind + QStringList{write(u"card.txt"_s, cardBytes(lines)), out});
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(contents(out), cardBytes(lines));
    }

    void registrationCardAsStartingPoint()
    {
        const QString out = m_run.path(u"taken.txt"_s);
        const Run run =
            convert({u"--kind"_s, u"ok"_s,
                     write(u"RK2005.txt"_s, cardBytes({u"5013\\01"_s, u"5256\\4"_s,
                                                       u"2758\\тільки в РК"_s, u"7021\\ТЕМА"_s})),
                     out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors.trimmed(),
                 u"Зверніть увагу Ви відкрили реєстраційну картку !    RK2005.txt"_s);
        QStringDecoder decoder("windows-1251");
        const QString written = decoder.decode(contents(out));
        QVERIFY(written.startsWith(u"5013\\03\r\n5256\\4\r\n"_s));
        QVERIFY(written.contains(u"\r\n7021\\ТЕМА\r\n"_s));
        QVERIFY(!written.contains(u"тільки в РК"_s));
    }

    void aReadingErrorWritesNothing()
    {
        const QString out = m_run.path(u"never.txt"_s);
        const Run run = convert(
            {write(u"broken.txt"_s, cardBytes({u"5013\\03"_s, u"2142\\x\\1\\12345678"_s})), out});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(u"2142"_s) && run.errors.contains(u"x"_s),
                 qPrintable(run.errors));
        QVERIFY(!QFileInfo::exists(out));
    }
};

QTEST_GUILESS_MAIN(ConvertTest)
#include "convert_test.moc"
