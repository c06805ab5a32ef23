// How fast "Друк" of the registration card fills and prepares its sheets, and
// what printing a full card to a PDF file costs as a whole process against a
// bare Qt program that writes one A4 page of text with QPdfWriter.
#include "rk/frmrk1.h"
#include "rk/rkprint.h"

#include "app/consoledialogs.h"
#include "app/dialogs.h"
#include "reports/compositereport.h"
#include "reports/sheetset.h"

// The full card the tests use: 5 customers, 20 co-executors, 15 stages.
#include "../tests/rk/support/rkfiles.cpp"
#include "../tests/support/cardfiles.cpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "processtiming.h"

#include <cstdio>

using namespace Qt::StringLiterals;

class RkPrintBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QFile card(m_folder.filePath(u"full.txt"_s));
        QVERIFY(card.open(QIODevice::WriteOnly));
        card.write(cardBytes(fullCardLines()));
    }

    void fillAndPrepareFullCard()
    {
        ConsoleDialogs console(stderr);
        Dialogs *previous = setDialogs(&console);
        SheetSet sheets;
        TfrmRK1 window;
        QVERIFY(window.readCard(m_folder.filePath(u"full.txt"_s)));
        CompositeReport report;
        report.setOnAddReports([&sheets](CompositeReport &r) { addRkReports(r, sheets); });
        int pages = 0;
        QBENCHMARK
        {
            fillRkSheets(window.logic(), sheets);
            pages = report.prepare()->pageCount();
        }
        setDialogs(previous);
        QCOMPARE(pages, 5);
    }

    void writeFullCardPdf()
    {
        ConsoleDialogs console(stderr);
        Dialogs *previous = setDialogs(&console);
        SheetSet sheets;
        TfrmRK1 window;
        QVERIFY(window.readCard(m_folder.filePath(u"full.txt"_s)));
        const QString pdf = m_folder.filePath(u"inprocess.pdf"_s);
        bool written = false;
        QBENCHMARK
        {
            written = window.printToPdf(pdf);
        }
        setDialogs(previous);
        QVERIFY(written);
    }

    void pdfProcessAgainstBareQt()
    {
        if (!QFile::exists(QCoreApplication::applicationDirPath() + u"/../ovrida"_s))
            QSKIP("the program is not built next to the benchmarks");
        comparePdfWithBareQt(m_folder.filePath(u"full.txt"_s), m_folder.path(),
                             "the full RK card (5 pages)");
    }

    // A card whose aim is one word of 100,000 letters (text pasted without
    // blanks): its printing time grows with the length of the text alone.
    void pdfOfAHundredThousandLetterWord()
    {
        const QString ovrida = QCoreApplication::applicationDirPath() + u"/../ovrida"_s;
        if (!QFile::exists(ovrida))
            QSKIP("the program is not built next to the benchmarks");
        QStringList lines = fullCardLines();
        for (QString &line : lines) {
            if (line.startsWith(u"9126\\"_s))
                line = u"9126\\"_s + QString(100000, u'ж');
        }
        const QString card = m_folder.filePath(u"long-word.txt"_s);
        QFile file(card);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cardBytes(lines));
        file.close();
        const double print = medianRun(ovrida, {u"pdf"_s, card, m_folder.filePath(u"w.pdf"_s)}, 5);
        qInfo("ovrida pdf of the full card with a 100,000-letter word: %.1f ms", print);
    }

private:
    QTemporaryDir m_folder;
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The full card as a file, for looking at its PDF or timing it alone.
    if (argc == 3 && qstrcmp(argv[1], "--write-card") == 0) {
        QFile card(QString::fromLocal8Bit(argv[2]));
        return card.open(QIODevice::WriteOnly) && card.write(cardBytes(fullCardLines())) > 0 ? 0
                                                                                             : 1;
    }
    if (const std::optional<int> bare = runAsBarePdfWriter(argc, argv))
        return *bare;
    QApplication app(argc, argv);
    RkPrintBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "rkprint_bench.moc"
