// Reading and writing back a large card: 200 coded lines and a memo of 1 MiB
// over 20 000 continuation lines (size N), and twice that (size 2N). The times
// of the two sizes should differ by a factor of about two.

#include "cardfile/cardreader.h"
#include "cardfile/cardwriter.h"

#include <QTemporaryDir>
#include <QTest>

using namespace cardfile;

namespace {

const CardFormat kFormat{{"2151", "2152", "9027", "9126", "9153", "9036"}, {"2394"}, true};

// The card's lines in file order; the memo stands in the middle.
QStringList makeCard(int scale)
{
    const int codedLines = 200 * scale;
    const int memoLines = 20000 * scale;
    const QString memoLine = QStringLiteral("Рядок анотації з кирилицею і цифрами 0123456789 ..");
    QString memo = QStringLiteral("9126\\");
    memo.reserve(memoLines * (memoLine.size() + 8));
    for (int i = 0; i < memoLines; ++i) {
        if (i > 0)
            memo.append(u'\n');
        memo.append(memoLine);
        memo.append(QString::number(i % 100));
    }
    QStringList lines;
    for (int i = 0; i < codedLines; ++i) {
        if (i == codedLines / 2)
            lines.append(memo);
        lines.append(QStringLiteral("%1\\%2\\Значення поля номер %2").arg(5000 + i).arg(i));
    }
    return lines;
}

QStringList readBack(const QString &path)
{
    QStringList lines;
    const FileResult result = readCardFile(path, kFormat, [&lines](const CardLine &pass) {
        if (!pass.multiCode.isEmpty())
            lines.append(pass.joinedText);
        if (!pass.code.isEmpty())
            lines.append(pass.line);
        return QString();
    });
    if (!result.ok)
        qFatal("%s", qPrintable(result.error));
    return lines;
}

} // namespace

class CardFileBench : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString cardPath(int scale)
    {
        const QString path = m_dir.filePath(QStringLiteral("card%1.txt").arg(scale));
        if (!QFile::exists(path)) {
            const FileResult result = writeCardFile(path, makeCard(scale));
            if (!result.ok)
                qFatal("%s", qPrintable(result.error));
        }
        return path;
    }

    static void sizes()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("N") << 1;
        QTest::newRow("2N") << 2;
    }

private slots:
    void read_data() { sizes(); }
    void read()
    {
        QFETCH(int, scale);
        const QString path = cardPath(scale);
        QStringList lines;
        QBENCHMARK
        {
            lines = readBack(path);
        }
        QCOMPARE(lines.size(), 200 * scale + 1);
    }

    // Building the file's bytes alone, without the disk.
    void encode_data() { sizes(); }
    void encode()
    {
        QFETCH(int, scale);
        const QStringList lines = makeCard(scale);
        qsizetype size = 0;
        QBENCHMARK
        {
            size = encodeCard(lines).bytes.size();
        }
        QCOMPARE(size, QFileInfo(cardPath(scale)).size());
    }

    void write_data() { sizes(); }
    void write()
    {
        QFETCH(int, scale);
        const QStringList lines = makeCard(scale);
        const QString path = m_dir.filePath(QStringLiteral("written%1.txt").arg(scale));
        QBENCHMARK
        {
            QVERIFY(writeCardFile(path, lines).ok);
        }
        QCOMPARE(QFileInfo(path).size(), QFileInfo(cardPath(scale)).size());
    }

    void roundTrip_data() { sizes(); }
    void roundTrip()
    {
        QFETCH(int, scale);
        const QString path = cardPath(scale);
        const QString copy = m_dir.filePath(QStringLiteral("copy%1.txt").arg(scale));
        QBENCHMARK
        {
            QVERIFY(writeCardFile(copy, readBack(path)).ok);
        }
        // The memo comes back on one line: each CR LF of it became one blank.
        QCOMPARE(QFileInfo(copy).size(), QFileInfo(path).size() - (20000 * scale - 1));
    }
};

QTEST_GUILESS_MAIN(CardFileBench)
#include "cardfile_bench.moc"
