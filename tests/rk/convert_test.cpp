#include "rk/support/rkfiles.h"

#include "cardfile/codepage.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The program's "convert" command on registration card files, run as a
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

    // A runtime folder of its own, so that Qt has nothing to say about it.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, m_folder.path());
        return environment;
    }

    Run convert(const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(m_program, QStringList{u"convert"_s} + arguments);
        if (!process.waitForFinished(60000))
            qFatal("the program did not finish");
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    }

    QByteArray contents(const QString &path)
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
        QProcess help;
        help.start(m_program, {u"--help"_s});
        help.waitForFinished(30000);
        if (!help.readAllStandardOutput().contains("convert"))
            QSKIP("the program has no command line in this build");
    }

    void convertsAFullCardByteForByte()
    {
        const QByteArray full = cardBytes(fullCardLines());
        const QString out = m_folder.filePath(u"out.txt"_s);
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
        const QString out = m_folder.filePath(u"ok-out.txt"_s);
        const Run run =
            convert({u"--kind"_s, u"rk"_s, write(u"OK2005.txt"_s, cardBytes(newCardLines())), out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors.trimmed(),
                 u"Зверніть увагу Ви відкрили облікову картку !    OK2005.txt"_s);
        QCOMPARE(contents(out), cardBytes(newCardLines()));
    }

    void aReadingErrorWritesNothing()
    {
        const QString out = m_folder.filePath(u"never.txt"_s);
        const Run run =
            convert({write(u"broken.txt"_s,
                           cardBytes({u"5013\\01"_s, u"9036\\x\\01.05\\02.05\\91\\Етап"_s})),
                     out});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.startsWith(u"Картку прочитано не до кінця: у рядку з кодом 9036 "
                                       "стоїть «x» там, де має бути ціле число. Нічого не "
                                       "записано.\n"_s),
                 qPrintable(run.errors));
        QVERIFY(!QFile::exists(out));

        const Run missing = convert({m_folder.filePath(u"absent.txt"_s), out});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(!missing.errors.isEmpty());
        QVERIFY(!QFile::exists(out));

        const Run unwritable = convert({write(u"fine.txt"_s, cardBytes(newCardLines())),
                                        m_folder.filePath(u"no/folder/out.txt"_s)});
        QCOMPARE(unwritable.exitCode, 2);
        QVERIFY(!unwritable.errors.isEmpty());
    }

    // A card in UTF-8 is converted to code page 1251, and the clerk is told once.
    void aCardInUtf8IsSavedInCodePage1251()
    {
        const QString out = m_folder.filePath(u"from-utf8.txt"_s);
        const QByteArray cp1251 = cardBytes(fullCardLines());
        const Run run = convert(
            {write(u"utf8.txt"_s, "\xEF\xBB\xBF" + codepage::decode(cp1251).toUtf8()), out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors.count(u"UTF-8"_s), 1);
        QCOMPARE(contents(out), cp1251);
    }

    // The disk fills up while the card is written: the old file stays, the
    // command fails.
    void aFullDiskKeepsTheOldFile()
    {
        const QString out = write(u"old.txt"_s, cardBytes(newCardLines()));
        const QByteArray full = cardBytes(fullCardLines());
        QVERIFY(full.size() > 2048 && full.size() < 16384); // more than the room, less than a buffer
        const QString card = write(u"full.txt"_s, full);
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(u"bash"_s, {u"-c"_s, u"trap '' XFSZ; ulimit -f 1; exec \"$@\""_s, u"bash"_s,
                                  m_program, u"convert"_s, card, out});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(QString::fromUtf8(process.readAllStandardError())
                    .contains(u"Файл, що вже був на диску, залишився без змін."_s));
        QCOMPARE(contents(out), cardBytes(newCardLines()));
    }
};

QTEST_GUILESS_MAIN(ConvertTest)
#include "convert_test.moc"
