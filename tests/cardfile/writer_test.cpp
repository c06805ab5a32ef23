#include "cardfile/cardreader.h"
#include "cardfile/cardwriter.h"
#include "cardfile/support/cardtext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace cardfile;
using cardtest::cardBytes;
using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

const QByteArray kOldCard = "5013\\01\r\n5256\\5\r\n\r\n";
const QStringList kNewCard{u"5013\\01"_s, u"9126\\Нова анотація"_s};

} // namespace

class WriterTest : public QObject
{
    Q_OBJECT

private slots:
    void fileLayout()
    {
        // Line breaks inside a memo value, whatever their form, become CR LF.
        const EncodedCard card =
            encodeCard({u"5013\\01"_s, u"9126\\а\nб\r\nв\rг"_s, u"5418\\\\  .  .  "_s});
        QVERIFY(card.ok());
        QCOMPARE(card.bytes, QByteArray("5013\\01\r\n9126\\\xE0\r\n\xE1\r\n\xE2\r\n\xE3\r\n"
                                        "5418\\\\  .  .  \r\n\r\n"));
        QCOMPARE(encodeCard({}).bytes, QByteArray("\r\n"));
    }

    // Every byte a value can hold comes back as it was: read, then written
    // again. The one byte that has no character in the code page (0x98)
    // comes back as a blank, like every control character.
    void bytesReadAreBytesWritten()
    {
        QByteArray original = "5013\\01\r\n";
        QByteArray high;
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            high.append(char(byte));
        original += "9126\\" + high.left(64) + "\r\n";
        original += "2394\\\\" + high.mid(64) + " ~!?\r\n";
        original += "5418\\12\\01.02.03\r\n\r\n";

        QTemporaryDir dir;
        const QString path = dir.filePath("RK.txt");
        put(path, original);
        QStringList lines;
        const LineHandler keep = [&lines](const CardLine &pass) {
            if (!pass.multiCode.isEmpty())
                lines.append(pass.joinedText);
            if (!pass.code.isEmpty())
                lines.append(pass.line);
            return QString();
        };
        QVERIFY(readCardFile(path, cardtest::rkFormat(), keep).ok);
        QCOMPARE(lines.size(), 4);
        const FileResult written = writeCardFile(path, lines);
        QVERIFY2(written.ok, qPrintable(written.error));
        QCOMPARE(contents(path), original.replace('\x98', ' '));
    }

    void memoLineBreakRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("OKD.txt");
        QVERIFY(writeCardFile(path, {u"9118\\1\\Перший рядок\nдругий рядок"_s, u"6140\\x"_s}).ok);
        QCOMPARE(contents(path), cardBytes(u"9118\\1\\Перший рядок\nдругий рядок\n6140\\x\n\n"_s));
        cardtest::Recorder recorder;
        QVERIFY(readCardFile(path, cardtest::okdFormat(), recorder.handler()).ok);
        QCOMPARE(recorder.applied.first().text, u"9118\\1\\Перший рядок другий рядок"_s);
    }

    void textOutsideCodePageIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("RK.txt");
        put(path, kOldCard);
        // A title with Latin letters the code page lacks, a memo with an emoji
        // on its continuation line, and a clean field between them.
        const QStringList lines{u"5013\\01"_s, u"9027\\1\\Dobrý den ǎ"_s, u"6140\\x"_s,
                                u"9126\\перший\nдругий 😀"_s, u"9027\\2\\ǎ"_s};
        const FileResult result = writeCardFile(path, lines);
        QVERIFY(!result.ok);
        QCOMPARE(
            result.error,
            u"Файл «%1» не записано: у полях 9027, 9126 є символи, яких немає в кодуванні "
            "Windows-1251 («ý», «ǎ», «😀»). Замініть або вилучіть їх і запишіть картку ще раз."_s
                .arg(path));
        QCOMPARE(contents(path), kOldCard);

        // Many fields: the first three are named; marks that show nothing
        // are named by their numbers.
        QCOMPARE(writeCardFile(path, {u"5634\\a\u0301"_s, u"6111\\\uFFFD"_s, u"6140\\ǎ"_s,
                                      u"6210\\ǎ"_s, u"6228\\ǎ"_s})
                     .error,
                 u"Файл «%1» не записано: у полях 5634, 6111, 6140 і ще 2 є символи, яких немає "
                 "в кодуванні Windows-1251 (U+0301, U+FFFD, «ǎ»). Замініть або вилучіть їх і "
                 "запишіть картку ще раз."_s.arg(path));

        const QString fresh = dir.filePath("new.txt");
        QVERIFY(!writeCardFile(fresh, {u"6140\\€ ok, ∑ not"_s}).ok);
        QVERIFY(!QFile::exists(fresh));
    }

    void failedSaveLeavesWhatWasThere()
    {
        QTemporaryDir dir;
        // A folder where the card should go.
        const QString folder = dir.filePath("RK.txt");
        QVERIFY(QDir(dir.path()).mkpath("RK.txt/inside"));
        FileResult result = writeCardFile(folder, kNewCard);
        QVERIFY(!result.ok);
        QCOMPARE(result.error, u"Не вдалося записати файл «%1»: на місці файлу стоїть папка з "
                               "такою самою назвою."_s.arg(folder));
        QVERIFY(QFileInfo(folder).isDir() && QFileInfo::exists(folder + "/inside"));

        // A regular file where a folder of the path should be.
        const QString plain = dir.filePath("plain");
        put(plain, kOldCard);
        result = writeCardFile(plain + "/sub/RK.txt", kNewCard);
        QCOMPARE(result.error, u"Не вдалося записати файл «%1/sub/RK.txt»: «%1» — це файл, а не "
                               "папка."_s.arg(plain));
        QCOMPARE(contents(plain), kOldCard);

        result = writeCardFile(dir.filePath("none/RK.txt"), kNewCard);
        QCOMPARE(result.error, u"Не вдалося записати файл «%1»: папки «%2» не існує."_s.arg(
                                   dir.filePath("none/RK.txt"), dir.filePath("none")));

        // Nothing of a failed save is left behind next to the old file.
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries, QDir::Name),
                 QStringList({"RK.txt", "plain"}));
    }

    // The file system refuses the data part-way (as on a full disk): the old
    // file stays whole and the failure is reported. A file size limit does
    // this even for root. A card smaller than the file's write buffer fails
    // only when the buffer would be flushed, which must not go unnoticed.
    void writeFailingMidwayKeepsOldFile_data()
    {
        QTest::addColumn<int>("letters");
        QTest::addColumn<int>("limit");
        QTest::newRow("13 KB card, 8 KiB left") << 13 * 1000 << 8 * 1024;
        QTest::newRow("no room at all") << 100 << 0;
        QTest::newRow("256 KB card, 64 KiB left") << 256 * 1024 << 64 * 1024;
    }

    void writeFailingMidwayKeepsOldFile()
    {
        QFETCH(int, letters);
        QFETCH(int, limit);
        QTemporaryDir dir;
        const QString path = dir.filePath("RK.txt");
        put(path, kOldCard);
        const QStringList card{u"5013\\01"_s, u"9126\\"_s + QString(letters, u'ж')};

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit limited = saved;
        limited.rlim_cur = rlim_t(limit);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const FileResult result = writeCardFile(path, card);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!result.ok);
        QCOMPARE(result.error,
                 u"Не вдалося записати файл «%1»: файл більший, ніж дозволяє "
                 "система. Файл, що вже був на диску, залишився без змін."_s.arg(path));
        QCOMPARE(contents(path), kOldCard);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"RK.txt"});
    }

    void readOnlyFolder()
    {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QTemporaryDir dir;
        const QString path = dir.filePath("RK.txt");
        put(path, kOldCard);
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        const FileResult result = writeCardFile(path, kNewCard);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(result.error,
                 u"Не вдалося записати файл «%1»: немає дозволу на запис у папку «%2» "
                 "або в цей файл. Файл, що вже був на диску, залишився без змін."_s.arg(
                     path, dir.path()));
        QCOMPARE(contents(path), kOldCard);
    }
};

QTEST_GUILESS_MAIN(WriterTest)
#include "writer_test.moc"
