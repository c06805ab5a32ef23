// How fast "Друк" of each card kind fills and prepares its sheets and writes
// them to a PDF file, and what printing that card costs as a whole process,
// in time and peak memory, against a bare Qt program that writes one A4 page
// with QPdfWriter.
#include "cards/cardeditors.h"
#include "dialogs/consoledialogs.h"
#include "editing/carddocument.h"
#include "frame/editorregistry.h"
#include "reports/preparedreport.h"

// The full cards the tests use.
#include "../tests/ok/support/okfiles.cpp"
#include "../tests/okd/support/okdfiles.cpp"
#include "../tests/rk/support/rkfiles.cpp"
#include "../tests/support/cardfiles.cpp"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "editorbench.h"
#include "processtiming.h"

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Every continuation page of each kind formed: the registration card with 5
// customers, 20 co-executors and 15 stages; the accounting card with a long
// description and long abstracts; the dissertation card with an abstract of
// 16,000 characters (four continuation pages).
QStringList printedCard(CardKind kind)
{
    const QString sentence = u"Об'єкт дослідження - методи розпізнавання образів. "_s;
    switch (kind) {
    case CardKind::RK:
        return fullCardLines();
    case CardKind::OK: {
        QStringList lines = fullOkCardLines();
        for (QString &line : lines) {
            if (line.startsWith(u"9117\\"_s))
                line = line.left(7) + sentence.repeated(30);
        }
        return withLine(lines, u"5481\\"_s, u"5481\\"_s + sentence.repeated(20));
    }
    case CardKind::OKD:
        break;
    }
    return withLine(okdFullCardLines(), u"9118\\1\\"_s,
                    u"9118\\1\\"_s + u"абвгдеєжз "_s.repeated(1600).trimmed());
}

std::optional<CardKind> kindNamed(const char *name)
{
    for (const CardKind kind : {CardKind::RK, CardKind::OK, CardKind::OKD}) {
        if (defaultCardName(kind).compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

} // namespace

class PrintingBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        registerCardEditors();
        m_nowhere = std::fopen("/dev/null", "w");
    }

    void cleanupTestCase() { std::fclose(m_nowhere); }

    void fillAndPreparePages_data() { cardKinds(); }
    void fillAndPreparePages()
    {
        QFETCH(int, kind);
        QFETCH(int, pages);
        ConsoleDialogs console(m_nowhere);
        Dialogs *previous = setDialogs(&console);
        const std::unique_ptr<CardDocument> card = readCard(CardKind(kind));
        int prepared = 0;
        QBENCHMARK
        {
            prepared = card->printedPages()->pageCount();
        }
        setDialogs(previous);
        QCOMPARE(prepared, pages);
    }

    void writePdfInProcess_data() { cardKinds(); }
    void writePdfInProcess()
    {
        QFETCH(int, kind);
        ConsoleDialogs console(m_nowhere);
        Dialogs *previous = setDialogs(&console);
        const std::unique_ptr<CardDocument> card = readCard(CardKind(kind));
        bool written = false;
        QBENCHMARK
        {
            written = card->printToPdf(m_folder.filePath(u"inprocess.pdf"_s));
        }
        setDialogs(previous);
        QVERIFY(written);
    }

    void pdfProcessAgainstBareQt_data() { cardKinds(); }
    void pdfProcessAgainstBareQt()
    {
        QFETCH(int, kind);
        QFETCH(int, pages);
        if (programBesideBenchmarks().isEmpty())
            QSKIP("the program is not built next to the benchmarks");
        const QString card = m_folder.filePath(u"card.txt"_s);
        QVERIFY(writeBytes(card, cardBytes(printedCard(CardKind(kind)))));
        comparePdfWithBareQt(
            card, m_folder.path(),
            qPrintable(u"the full %1 card (%2 pages)"_s.arg(shortName(CardKind(kind))).arg(pages)));
    }

    // A registration card whose aim is one word of 100,000 letters (text
    // pasted without blanks): its printing time grows with the length of the
    // text alone.
    void pdfOfAHundredThousandLetterWord()
    {
        const QString ovrida = programBesideBenchmarks();
        if (ovrida.isEmpty())
            QSKIP("the program is not built next to the benchmarks");
        const QString card = m_folder.filePath(u"long-word.txt"_s);
        QVERIFY(writeBytes(card, cardBytes(withLine(fullCardLines(), u"9126\\"_s,
                                                    u"9126\\"_s + QString(100000, u'ж')))));
        const double print = medianRun(ovrida, {u"pdf"_s, card, m_folder.filePath(u"w.pdf"_s)}, 5);
        qInfo("ovrida pdf of the full card with a 100,000-letter word: %.1f ms", print);
    }

private:
    static void cardKinds()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("pages");
        QTest::newRow("rk") << int(CardKind::RK) << 5;
        QTest::newRow("ok") << int(CardKind::OK) << 5;
        QTest::newRow("okd") << int(CardKind::OKD) << 6;
    }

    std::unique_ptr<CardDocument> readCard(CardKind kind)
    {
        const QString path = m_folder.filePath(u"read.txt"_s);
        std::unique_ptr<CardDocument> card = createDocument(kind);
        if (!writeBytes(path, cardBytes(printedCard(kind))) || !card->read(path))
            qFatal("the card cannot be read");
        return card;
    }

    QTemporaryDir m_folder;
    std::FILE *m_nowhere = nullptr;
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A kind's printed card as a file, for looking at its PDF or timing it
    // alone: --write-card rk|ok|okd FILE.
    if (argc == 4 && qstrcmp(argv[1], "--write-card") == 0) {
        const std::optional<CardKind> kind = kindNamed(argv[2]);
        return kind && writeBytes(QString::fromLocal8Bit(argv[3]), cardBytes(printedCard(*kind)))
                   ? 0
                   : 1;
    }
    if (const std::optional<int> bare = runAsBarePdfWriter(argc, argv))
        return *bare;
    QApplication app(argc, argv);
    PrintingBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "printing_bench.moc"
