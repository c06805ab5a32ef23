// The preview window: opening state, page keys, zoom, thumbnails and
// saving as PDF through the installed hooks.
#include "reports/compositereport.h"
#include "reports/reportfile.h"
#include "reports/reportpreview.h"
#include "reports/sheetset.h"
#include "reports/support/pdfpages.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QtTest>

class PreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensModelessAtPageWidthOnTheFirstPage();
    void keysStepThroughThePages();
    void zoomAndThumbnails();
    void pagesStayAfterAPrintOfSomePages();
    void saveAsPdfWritesTheShownPagesOrTellsWhy();
    void savedReportOpensAgainAsItWas();

private:
    std::unique_ptr<SheetSet> m_sheets;
    std::unique_ptr<CompositeReport> m_report;
    QPointer<ReportPreview> m_preview;
    QTemporaryDir m_dir;
};

void PreviewTest::init()
{
    m_sheets = std::make_unique<SheetSet>();
    m_report = std::make_unique<CompositeReport>();
    m_report->setOnAddReports([this](CompositeReport &r) {
        r.add(m_sheets->QRRk1());
        r.add(m_sheets->QRRk2());
        r.add(m_sheets->QRRKDop());
        r.add(m_sheets->QRRKDopZ());
        r.add(m_sheets->QRRKDopS());
    });
    m_preview = m_report->preview();
    QVERIFY(QTest::qWaitForWindowExposed(m_preview));
    m_preview->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_preview));
}

void PreviewTest::cleanup()
{
    setPreviewHooks({});
    delete m_preview;
    m_report.reset();
    m_sheets.reset();
}

void PreviewTest::opensModelessAtPageWidthOnTheFirstPage()
{
    QCOMPARE(m_preview->windowTitle(), QStringLiteral("Попередній перегляд"));
    QVERIFY(!m_preview->isModal());
    QCOMPARE(m_preview->pageView()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    QCOMPARE(m_preview->currentPage(), 1);
    QCOMPARE(m_preview->pageView()->pageCount(), 5);
    QCOMPARE(m_preview->findChild<QLabel *>(QStringLiteral("pagePosition"))->text(),
             QStringLiteral("Сторінка 1 з 5"));
    QStringList texts;
    for (const QAction *action : m_preview->findChildren<QAction *>()) {
        if (!action->text().isEmpty() && !action->isSeparator())
            texts << action->text();
    }
    for (const char *text :
         {"Ціла сторінка", "100 %", "За шириною сторінки", "Перша сторінка", "Попередня сторінка",
          "Наступна сторінка", "Остання сторінка", "Налаштування принтера...", "Друк...",
          "Зберегти як PDF...", "Закрити"})
        QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    // The printer prints one copy of all pages on A4, no duplex.
    QCOMPARE(m_preview->printer().copyCount(), 1);
    QCOMPARE(m_preview->printer().duplex(), QPrinter::DuplexNone);
    QCOMPARE(m_preview->printer().fromPage(), 0);
    QCOMPARE(m_preview->printer().pageLayout().pageSize().id(), QPageSize::A4);
}

void PreviewTest::keysStepThroughThePages()
{
    const auto press = [this](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(m_preview->pageView(), Qt::Key(key), modifiers);
        return m_preview->currentPage();
    };
    QCOMPARE(press(Qt::Key_PageDown), 2);
    QCOMPARE(press(Qt::Key_PageDown), 3);
    QCOMPARE(press(Qt::Key_PageUp), 2);
    QCOMPARE(press(Qt::Key_End), 5);
    QCOMPARE(press(Qt::Key_PageDown), 5);
    QCOMPARE(press(Qt::Key_Home), 1);
    QCOMPARE(press(Qt::Key_PageUp), 1);
    QCOMPARE(press(Qt::Key_PageDown, Qt::ControlModifier), 5);
    QCOMPARE(press(Qt::Key_PageUp, Qt::ControlModifier), 1);
    QCOMPARE(m_preview->findChild<QLabel *>(QStringLiteral("pagePosition"))->text(),
             QStringLiteral("Сторінка 1 з 5"));
}

void PreviewTest::zoomAndThumbnails()
{
    m_preview->findChild<QAction *>(QStringLiteral("actFitPage"))->trigger();
    QCOMPARE(m_preview->pageView()->zoomMode(), QPrintPreviewWidget::FitInView);
    m_preview->findChild<QAction *>(QStringLiteral("actActualSize"))->trigger();
    QCOMPARE(m_preview->pageView()->zoomMode(), QPrintPreviewWidget::CustomZoom);
    QCOMPARE(m_preview->pageView()->zoomFactor(), 1.0);
    QCOMPARE(m_preview->findChild<QLabel *>(QStringLiteral("zoomFactor"))->text(),
             QStringLiteral("Масштаб: 100 %"));
    QAction *fitWidth = m_preview->findChild<QAction *>(QStringLiteral("actFitWidth"));
    fitWidth->trigger();
    QCOMPARE(m_preview->pageView()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    // The box tells the scale the page is shown at, and which way is on.
    QVERIFY(fitWidth->isChecked());
    QVERIFY(!m_preview->findChild<QAction *>(QStringLiteral("actActualSize"))->isChecked());
    QCOMPARE(
        m_preview->findChild<QLabel *>(QStringLiteral("zoomFactor"))->text(),
        QStringLiteral("Масштаб: %1 %").arg(qRound(m_preview->pageView()->zoomFactor() * 100)));

    m_preview->findChild<QAction *>(QStringLiteral("actLastPage"))->trigger();
    auto *thumbnails = m_preview->findChild<QListWidget *>(QStringLiteral("thumbnails"));
    QCOMPARE(thumbnails->count(), 5);
    QCOMPARE(thumbnails->currentRow(), 4);
    thumbnails->setCurrentRow(2);
    QCOMPARE(m_preview->currentPage(), 3);
    m_preview->findChild<QAction *>(QStringLiteral("actPreviousPage"))->trigger();
    QCOMPARE(m_preview->currentPage(), 2);
    QCOMPARE(thumbnails->currentRow(), 1);
}

void PreviewTest::pagesStayAfterAPrintOfSomePages()
{
    // A print of pages 2 to 3 leaves its range in the printer; the view,
    // laid out again (as after a printer set-up), still shows every page.
    m_preview->printer().setFromTo(2, 3);
    m_preview->pageView()->updatePreview();
    QCOMPARE(m_preview->pageView()->pageCount(), 5);
    m_preview->lastPage();
    QCOMPARE(m_preview->currentPage(), 5);
}

void PreviewTest::saveAsPdfWritesTheShownPagesOrTellsWhy()
{
    QString answer;
    QStringList told;
    int asked = 0;
    setPreviewHooks({[&](QWidget *, const QString &) {
                         ++asked;
                         return answer;
                     },
                     [&](QWidget *, const QString &text) { told << text; },
                     {}});
    QAction *save = m_preview->findChild<QAction *>(QStringLiteral("actSavePdf"));

    // Cancelled: nothing written, nothing said.
    save->trigger();
    QCOMPARE(asked, 1);
    QVERIFY(told.isEmpty());
    QVERIFY(QDir(m_dir.path()).isEmpty());

    answer = m_dir.filePath(QStringLiteral("картка.pdf"));
    save->trigger();
    QVERIFY(told.isEmpty());
    QCOMPARE(pdfPageCount(answer), 5);

    answer = m_dir.filePath(QStringLiteral("картка.pdf/нема.pdf"));
    save->trigger();
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().contains(answer), qPrintable(told.first()));
}

void PreviewTest::savedReportOpensAgainAsItWas()
{
    QString answer;
    QStringList told;
    QList<bool> asked;
    setPreviewHooks({{},
                     [&](QWidget *, const QString &text) { told << text; },
                     [&](QWidget *, bool forSaving) {
                         asked << forSaving;
                         return answer;
                     }});
    ReportSheet &page = m_sheets->QRRk1();
    page.setLines(QStringLiteral("QRMemo26"), {QStringLiteral("1. Назва\r\n2. Название")});
    page.setCaption(QStringLiteral("QRLabel47"), QStringLiteral("(див.продовження)"));
    page.memo(QStringLiteral("QRMemo11")).setEmptyCells(180);
    page.setShapeEnabled(QStringLiteral("QRShape74"), false);
    QPointer<ReportPreview> filled = m_report->preview();

    answer = m_dir.filePath(QStringLiteral("картка.ovrz"));
    filled->findChild<QAction *>(QStringLiteral("actSaveReport"))->trigger();
    QVERIFY(told.isEmpty());
    QPointer<ReportPreview> opened = filled->loadReport();
    QCOMPARE(asked, (QList<bool>{true, false}));
    QVERIFY(opened && opened != filled && opened->isVisible());
    QCOMPARE(opened->report().pageCount(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(opened->report().page(i).sheetName, filled->report().page(i).sheetName);
        QCOMPARE(opened->report().page(i).number, i + 1);
        QCOMPARE(opened->report().pageImage(i, 48), filled->report().pageImage(i, 48));
    }
    QVERIFY(filled->report().pageImage(0, 48) != m_preview->report().pageImage(0, 48));
    delete opened;

    // A file that is no saved report, or only part of one, opens nothing.
    QFile saved(answer);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    saved.close();
    const QByteArray broken[] = {"5013\\01\r\n", bytes.left(bytes.size() / 2), bytes + "x"};
    for (const QByteArray &content : broken) {
        answer = m_dir.filePath(QStringLiteral("broken.ovrz"));
        QFile file(answer);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        told.clear();
        QVERIFY(!filled->loadReport());
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().contains(answer), qPrintable(told.first()));
    }

    // A damaged byte anywhere gives either pages or a message, never a
    // crash or a count taken at its word.
    for (qsizetype at = 0; at < bytes.size(); at += std::max<qsizetype>(1, bytes.size() / 400)) {
        QByteArray damaged = bytes;
        damaged[at] = char(0x7f);
        QFile file(answer);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
        file.close();
        QString error;
        if (!reportfile::load(answer, &error))
            QVERIFY(!error.isEmpty());
    }

    // Cancelled: nothing opened, nothing said.
    answer.clear();
    told.clear();
    QVERIFY(!filled->loadReport());
    QVERIFY(told.isEmpty());
    delete filled;
}

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
