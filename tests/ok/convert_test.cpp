#include "ok/support/okfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The program's "convert" command on accounting card files, run as a
// separate process the way a script would run it.
class ConvertTest : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int exitCode = -1;
        QString errors;
    };

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    Run convert(const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, m_folder.path());
        process.setProcessEnvironment(environment);
        process.start(m_program, QStringList{u"convert"_s} + arguments);
        if (!process.waitForFinished(60000))
            qFatal("the program did not finish");
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_folder;
    QString m_program;

private slots:
    void initTestCase()
    {
        m_program = QCoreApplication::applicationDirPath() + u"/../ovrida"_s;
        if (!QFile::exists(m_program))
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
        const QString out = m_folder.filePath(u"out.txt"_s);
        QFile::remove(out);
        const Run run = convert(kind + QStringList{write(u"card.txt"_s, cardBytes(lines)), out});
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(contents(out), cardBytes(lines));
    }

    void registrationCardAsStartingPoint()
    {
        const QString out = m_folder.filePath(u"taken.txt"_s);
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
        const QString out = m_folder.filePath(u"never.txt"_s);
        const Run run = convert(
            {write(u"broken.txt"_s, cardBytes({u"5013\\03"_s, u"2142\\x\\1\\12345678"_s})), out});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(u"2142"_s) && run.errors.contains(u"x"_s),
                 qPrintable(run.errors));
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_GUILESS_MAIN(ConvertTest)
#include "convert_test.moc"
