// The composite report: the sheet list asked for at every run, pages
// prepared once and numbered on, and PDF output of exactly those pages.
#include "reports/compositereport.h"
#include "reports/reportpreview.h"
#include "reports/sheetset.h"
#include "reports/support/pdfpages.h"

#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QtTest>

class CompositeTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void eachRunAsksForTheSheetsWithTheListEmptied();
    void preparedPagesDoNotFollowLaterFills();
    void openPreviewKeepsItsPagesWhenAnotherRunStarts();
    void unfilledSheetStillPrintsOnePage();
    void pdfHoldsExactlyThePreparedPages();
    void pdfToAnUnwritablePathIsRefused();

private:
    std::unique_ptr<SheetSet> m_sheets;
    QTemporaryDir m_dir;
};

void CompositeTest::init()
{
    m_sheets = std::make_unique<SheetSet>();
}

void CompositeTest::cleanup()
{
    m_sheets.reset();
}

void CompositeTest::eachRunAsksForTheSheetsWithTheListEmptied()
{
    CompositeReport report;
    QCOMPARE(report.objectName(), QStringLiteral("QRCompositeReport1"));
    int calls = 0;
    bool withContinuation = true;
    report.setOnAddReports([&](CompositeReport &r) {
        ++calls;
        QVERIFY(r.reports().isEmpty());
        r.add(m_sheets->QRRk1());
        r.add(m_sheets->QRRk2());
        if (withContinuation)
            r.add(m_sheets->QRRKDopS());
    });

    auto first = report.prepare();
    QCOMPARE(calls, 1);
    QCOMPARE(first->pageCount(), 3);
    QCOMPARE(first->page(2).sheetName, QStringLiteral("QRRKDopS"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(first->page(i).number, i + 1);

    withContinuation = false;
    auto second = report.prepare();
    QCOMPARE(calls, 2);
    QCOMPARE(second->pageCount(), 2);
    QCOMPARE(report.reports().size(), 2);
    QCOMPARE(first->pageCount(), 3);

    CompositeReport empty;
    QCOMPARE(empty.prepare()->pageCount(), 0);
}

void CompositeTest::preparedPagesDoNotFollowLaterFills()
{
    CompositeReport report;
    report.setOnAddReports([&](CompositeReport &r) { r.add(m_sheets->QRDop()); });
    ReportSheet &dop = m_sheets->QRDop();
    dop.setCaption(QStringLiteral("QRLabel1"), QStringLiteral("\"Продовження\""));
    dop.setLines(QStringLiteral("QRMemo1"), {QStringLiteral("картка А")});
    const auto prepared = report.prepare();
    const QImage before = prepared->pageImage(0, 48);

    dop.setCaption(QStringLiteral("QRLabel1"), QStringLiteral(" "));
    dop.resetMemos();
    dop.setLines(QStringLiteral("QRMemo2"), {QStringLiteral("картка Б")});

    const PreparedPage &page = prepared->page(0);
    const auto *label = std::get_if<SheetLabel>(page.item(QStringLiteral("QRLabel1")));
    QVERIFY(label);
    QCOMPARE(label->caption(), QStringLiteral("\"Продовження\""));
    QCOMPARE(prepared->pageImage(0, 48), before);
    QVERIFY(report.prepare()->pageImage(0, 48) != before);
}

void CompositeTest::openPreviewKeepsItsPagesWhenAnotherRunStarts()
{
    CompositeReport report;
    bool cardA = true;
    report.setOnAddReports([&](CompositeReport &r) {
        r.add(m_sheets->QROkd1());
        r.add(m_sheets->QROkd2());
        if (cardA)
            r.add(m_sheets->QRDop());
    });
    m_sheets->QROkd1().setLines(QStringLiteral("QRMemo26"), {QStringLiteral("1. Назва А")});
    QPointer<ReportPreview> first = report.preview();
    QVERIFY(first && first->isVisible() && first->isWindow());
    QCOMPARE(first->windowModality(), Qt::NonModal);
    QCOMPARE(first->pageView()->pageCount(), 3);
    const QImage pageOfA = first->report().pageImage(0, 48);

    // Another run of another card refills the shared sheets.
    cardA = false;
    m_sheets->QROkd1().setLines(QStringLiteral("QRMemo26"), {QStringLiteral("1. Назва Б")});
    QPointer<ReportPreview> second = report.preview();
    QVERIFY(second && second != first);
    QCOMPARE(second->pageView()->pageCount(), 2);

    QVERIFY(first);
    first->pageView()->updatePreview();
    QCOMPARE(first->pageView()->pageCount(), 3);
    QCOMPARE(first->report().pageImage(0, 48), pageOfA);
    QVERIFY(second->report().pageImage(0, 48) != pageOfA);

    // Each window deletes itself when closed.
    first->close();
    second->close();
    QTRY_VERIFY(!first && !second);
}

void CompositeTest::unfilledSheetStillPrintsOnePage()
{
    CompositeReport report;
    report.setOnAddReports([&](CompositeReport &r) { r.add(m_sheets->QRRKDopZ()); });
    const auto prepared = report.prepare();
    QCOMPARE(prepared->pageCount(), 1);
    const QString path = m_dir.filePath(QStringLiteral("empty.pdf"));
    QVERIFY(report.exportPdf(path));
    QCOMPARE(pdfPageCount(path), 1);
}

void CompositeTest::pdfHoldsExactlyThePreparedPages()
{
    CompositeReport report;
    report.setOnAddReports([&](CompositeReport &r) {
        r.add(m_sheets->QROk1());
        r.add(m_sheets->QROk2());
        r.add(m_sheets->QRDop());
        r.add(m_sheets->QROK3());
    });
    const QString path = m_dir.filePath(QStringLiteral("ok.pdf"));
    const ExportResult result = report.exportPdf(path);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(result.error.isEmpty());
    QCOMPARE(pdfPageCount(path), 4);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("/MediaBox [0 0 595"));

    // The preview writes the pages it shows, not a new run.
    QPointer<ReportPreview> preview = report.preview();
    report.setOnAddReports([&](CompositeReport &r) { r.add(m_sheets->QRRk1()); });
    const QString shown = m_dir.filePath(QStringLiteral("shown.pdf"));
    QVERIFY(preview->exportPdf(shown));
    QCOMPARE(pdfPageCount(shown), preview->pageView()->pageCount());
    QCOMPARE(pdfPageCount(shown), 4);
    preview->close();
}

void CompositeTest::pdfToAnUnwritablePathIsRefused()
{
    CompositeReport report;
    report.setOnAddReports([&](CompositeReport &r) { r.add(m_sheets->QRRk1()); });

    // A path below a plain file cannot be created, whoever runs the test.
    QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = m_dir.filePath(QStringLiteral("blocker/card.pdf"));
    const ExportResult result = report.exportPdf(path);
    QVERIFY(!result.ok);
    QVERIFY(!result);
    QVERIFY2(result.error.startsWith(QStringLiteral("Не вдалося")), qPrintable(result.error));
    QVERIFY(result.error.contains(path));
    QVERIFY(!QFileInfo::exists(path));

    // An existing file is left as it was when a report has no pages.
    const QString kept = m_dir.filePath(QStringLiteral("kept.pdf"));
    QFile old(kept);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    CompositeReport nothing;
    QVERIFY(!nothing.exportPdf(kept));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
}

QTEST_MAIN(CompositeTest)
#include "composite_test.moc"
