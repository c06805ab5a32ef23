// How fast "Друк..." of the dissertation card fills and prepares its sheets
// for a full card whose abstract runs over four continuation pages, and what
// printing that card to a PDF file costs as a whole process (time and peak
// memory) against a bare Qt program that writes one A4 page with QPdfWriter.
#include "okd/okddocument.h"
#include "okd/okdprint.h"

#include "app/consoledialogs.h"
#include "app/dialogs.h"
#include "reports/compositereport.h"
#include "reports/sheetset.h"

#include "../tests/okd/support/okdfiles.cpp"
#include "../tests/support/cardfiles.cpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "processtiming.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The full card with an abstract of 16,000 characters: four continuation
// pages.
QStringList longCardLines()
{
    QStringList lines = okdFullCardLines();
    for (QString &line : lines) {
        if (line.startsWith(u"9118\\1\\"_s))
            line = u"9118\\1\\"_s + u"абвгдеєжз "_s.repeated(1600).trimmed();
    }
    return lines;
}

} // namespace

class OkdPrintBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QFile card(m_folder.filePath(u"long.txt"_s));
        QVERIFY(card.open(QIODevice::WriteOnly));
        card.write(cardBytes(longCardLines()));
    }

    void fillAndPrepareFourContinuations()
    {
        // The notices of every run go nowhere.
        std::FILE *nowhere = std::fopen("/dev/null", "w");
        ConsoleDialogs console(nowhere);
        Dialogs *previous = setDialogs(&console);
        OkdDocument card;
        QVERIFY(card.read(m_folder.filePath(u"long.txt"_s)));
        int pages = 0;
        QBENCHMARK
        {
            pages = card.printedPages()->pageCount();
        }
        setDialogs(previous);
        std::fclose(nowhere);
        QCOMPARE(pages, 6);
    }

    void pdfProcessAgainstBareQt()
    {
        if (!QFile::exists(QCoreApplication::applicationDirPath() + u"/../ovrida"_s))
            QSKIP("the program is not built next to the benchmarks");
        comparePdfWithBareQt(m_folder.filePath(u"long.txt"_s), m_folder.path(),
                             "the full OKD card with four continuation pages (6 pages)");
    }

private:
    QTemporaryDir m_folder;
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The card as a file, for looking at its PDF or timing it alone.
    if (argc == 3 && qstrcmp(argv[1], "--write-card") == 0) {
        QFile card(QString::fromLocal8Bit(argv[2]));
        return card.open(QIODevice::WriteOnly) && card.write(cardBytes(longCardLines())) > 0 ? 0
                                                                                             : 1;
    }
    if (const std::optional<int> bare = runAsBarePdfWriter(argc, argv))
        return *bare;
    QApplication app(argc, argv);
    OkdPrintBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "okdprint_bench.moc"
