// How fast "Друк" of the accounting card fills and prepares its sheets, and
// what printing a full card to a PDF file costs as a whole process, in time
// and peak memory, against a bare Qt program that writes one A4 page.
#include "ok/frmok.h"
#include "ok/okprint.h"

#include "app/consoledialogs.h"
#include "app/dialogs.h"
#include "reports/compositereport.h"
#include "reports/sheetset.h"

// The full card of the tests: every field, 20 co-executors.
#include "../tests/ok/support/okfiles.cpp"
#include "../tests/support/cardfiles.cpp"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "processtiming.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The full card with a long description and three long abstracts, so that
// every continuation page is formed.
QStringList longestCardLines()
{
    const QString sentence = u"Об'єкт дослідження - методи розпізнавання образів. "_s;
    QStringList lines = fullOkCardLines();
    for (QString &line : lines) {
        if (line.startsWith(u"9117\\"_s))
            line = line.left(7) + sentence.repeated(30);
        else if (line.startsWith(u"5481\\"_s))
            line = u"5481\\"_s + sentence.repeated(20);
    }
    return lines;
}

} // namespace

class OkPrintBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QFile card(m_folder.filePath(u"full.txt"_s));
        QVERIFY(card.open(QIODevice::WriteOnly));
        card.write(cardBytes(longestCardLines()));
    }

    void fillAndPrepareFullCard()
    {
        std::FILE *nowhere = std::fopen("/dev/null", "w");
        ConsoleDialogs console(nowhere);
        Dialogs *previous = setDialogs(&console);
        SheetSet sheets;
        TfrmOK window;
        QVERIFY(window.readCard(m_folder.filePath(u"full.txt"_s)));
        CompositeReport report;
        report.setOnAddReports([&sheets](CompositeReport &r) { addOkReports(r, sheets); });
        int pages = 0;
        QBENCHMARK
        {
            fillOkSheets(window.logic(), sheets);
            pages = report.prepare()->pageCount();
        }
        setDialogs(previous);
        std::fclose(nowhere);
        QCOMPARE(pages, 5);
    }

    void pdfProcessAgainstBareQt()
    {
        if (!QFile::exists(QCoreApplication::applicationDirPath() + u"/../ovrida"_s))
            QSKIP("the program is not built next to the benchmarks");
        comparePdfWithBareQt(m_folder.filePath(u"full.txt"_s), m_folder.path(),
                             "the full OK card (5 pages)");
    }

private:
    QTemporaryDir m_folder;
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (const std::optional<int> bare = runAsBarePdfWriter(argc, argv))
        return *bare;
    QApplication app(argc, argv);
    OkPrintBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "okprint_bench.moc"
