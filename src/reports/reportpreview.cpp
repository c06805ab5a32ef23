#include "reports/reportpreview.h"

#include "reports/reportfile.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QString defaultPdfFileName(QWidget *parent, const QString &proposed)
{
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Зберегти як PDF"),
                                                QDir::home().filePath(proposed),
                                                QStringLiteral("Файли PDF (*.pdf)"));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    return path;
}

QString defaultReportFileName(QWidget *parent, bool forSaving)
{
    const QString filter =
        QStringLiteral("Збережені звіти (*.%1)").arg(QLatin1String(reportfile::kSuffix));
    if (!forSaving)
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Відкрити звіт"),
                                            QDir::homePath(), filter);
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Зберегти звіт"),
                                                QDir::homePath(), filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(reportfile::kSuffix);
    return path;
}

void defaultInform(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QStringLiteral("ОВРІДА"), text);
}

PreviewHooks &hooks()
{
    static PreviewHooks current{defaultPdfFileName, defaultInform, defaultReportFileName};
    return current;
}

QIcon previewIcon(const char *name)
{
    const QString base =
        QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/%1-%2.png");
    QIcon icon;
    for (int size : {24, 32}) {
        const QString file = base.arg(QLatin1String(name)).arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return QIcon::fromTheme(QLatin1String(name), icon);
}

constexpr int kThumbnailWidth = 96;

} // namespace

void setPreviewHooks(PreviewHooks newHooks)
{
    if (!newHooks.pdfFileName)
        newHooks.pdfFileName = defaultPdfFileName;
    if (!newHooks.inform)
        newHooks.inform = defaultInform;
    if (!newHooks.reportFileName)
        newHooks.reportFileName = defaultReportFileName;
    hooks() = std::move(newHooks);
}

ReportPreview::ReportPreview(std::shared_ptr<const PreparedReport> report, QWidget *parent)
    : QWidget(parent, Qt::Window), m_report(std::move(report)), m_printer(QPrinter::HighResolution)
{
    setObjectName(QStringLiteral("ReportPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A preview is never the window whose closing ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Попередній перегляд"));

    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageOrientation(QPageLayout::Portrait);
    m_printer.setFullPage(true);
    m_printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    m_printer.setCopyCount(1);
    m_printer.setDuplex(QPrinter::DuplexNone);
    m_printer.setFromTo(0, 0);
    m_printer.setDocName(QStringLiteral("ovrida"));

    m_view = new QPrintPreviewWidget(&m_printer, this);
    m_view->setObjectName(QStringLiteral("pageView"));
    m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintPages);
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::showPosition);
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::showZoom);
    // When the window is sized or the zoom changes, the view keeps showing
    // the same part of the page from its top instead of its middle.
    if (auto *graphics = m_view->findChild<QGraphicsView *>()) {
        graphics->setResizeAnchor(QGraphicsView::NoAnchor);
        graphics->setTransformationAnchor(QGraphicsView::NoAnchor);
    }

    m_thumbnails = new QListWidget(this);
    m_thumbnails->setObjectName(QStringLiteral("thumbnails"));
    buildThumbnails();

    auto *pages = new QHBoxLayout;
    pages->setContentsMargins(0, 0, 0, 0);
    pages->addWidget(m_thumbnails);
    pages->addWidget(m_view, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildActions();
    layout->addLayout(pages, 1);

    m_view->updatePreview();
    m_view->fitToWidth();
    m_view->setCurrentPage(1);
    showPosition();
    showZoom();
    // Fitted to the page or its width, the scale follows the window's size.
    m_view->installEventFilter(this);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(std::min(1000, area.width() * 9 / 10), area.height() * 9 / 10);
    }
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::buildActions()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("previewToolBar"));
    static_cast<QVBoxLayout *>(this->layout())->addWidget(bar);

    const auto add = [&](const char *objectName, const QString &text, const char *icon, auto slot) {
        QAction *action = bar->addAction(previewIcon(icon), text, this, slot);
        action->setObjectName(QLatin1String(objectName));
        action->setToolTip(text);
        return action;
    };
    // The three ways of zooming show which one is on; the box beside them
    // the scale the page is shown at.
    auto *zoomModes = new QActionGroup(this);
    for (QAction *mode : {add("actFitPage", QStringLiteral("Ціла сторінка"), "zoom-fit-page",
                              &ReportPreview::fitPage),
                          add("actActualSize", QStringLiteral("100 %"), "zoom-original",
                              &ReportPreview::actualSize),
                          add("actFitWidth", QStringLiteral("За шириною сторінки"),
                              "zoom-fit-width", &ReportPreview::fitWidth)}) {
        mode->setCheckable(true);
        zoomModes->addAction(mode);
    }
    m_zoom = new QLabel(bar);
    m_zoom->setObjectName(QStringLiteral("zoomFactor"));
    m_zoom->setContentsMargins(6, 0, 6, 0);
    m_zoom->setToolTip(QStringLiteral("Масштаб"));
    bar->addWidget(m_zoom);
    bar->addSeparator();
    add("actFirstPage", QStringLiteral("Перша сторінка"), "go-first", &ReportPreview::firstPage);
    add("actPreviousPage", QStringLiteral("Попередня сторінка"), "go-previous",
        &ReportPreview::previousPage);
    m_position = new QLabel(bar);
    m_position->setObjectName(QStringLiteral("pagePosition"));
    m_position->setContentsMargins(6, 0, 6, 0);
    bar->addWidget(m_position);
    add("actNextPage", QStringLiteral("Наступна сторінка"), "go-next", &ReportPreview::nextPage);
    add("actLastPage", QStringLiteral("Остання сторінка"), "go-last", &ReportPreview::lastPage);
    bar->addSeparator();
    add("actPrinterSetup", QStringLiteral("Налаштування принтера..."), "page-setup",
        &ReportPreview::printerSetup);
    add("actPrint", QStringLiteral("Друк..."), "print", &ReportPreview::print);
    QAction *pdf = add("actSavePdf", QStringLiteral("Зберегти як PDF..."), "document-save",
                       &ReportPreview::saveAsPdf);
    bar->widgetForAction(pdf)->setProperty("toolButtonStyle", Qt::ToolButtonTextBesideIcon);
    add("actSaveReport", QStringLiteral("Зберегти звіт..."), "document-save-as",
        &ReportPreview::saveReport);
    add("actLoadReport", QStringLiteral("Відкрити звіт..."), "document-open",
        &ReportPreview::loadReport);
    bar->addSeparator();
    QAction *close = bar->addAction(QStringLiteral("Закрити"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("actClose"));

    const auto key = [this](QKeySequence sequence, void (ReportPreview::*slot)()) {
        auto *shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::Key_PageUp), &ReportPreview::previousPage);
    key(QKeySequence(Qt::Key_PageDown), &ReportPreview::nextPage);
    key(QKeySequence(Qt::CTRL | Qt::Key_PageUp), &ReportPreview::firstPage);
    key(QKeySequence(Qt::CTRL | Qt::Key_PageDown), &ReportPreview::lastPage);
    key(QKeySequence(Qt::Key_Home), &ReportPreview::firstPage);
    key(QKeySequence(Qt::Key_End), &ReportPreview::lastPage);
}

void ReportPreview::buildThumbnails()
{
    const double dpi = 96.0 * kThumbnailWidth / PageFormat::paperPixels().width();
    const QSize iconSize = (PageFormat::paperPixels() * (dpi / 96.0)).toSize();
    m_thumbnails->setViewMode(QListView::IconMode);
    m_thumbnails->setFlow(QListView::TopToBottom);
    m_thumbnails->setWrapping(false);
    m_thumbnails->setMovement(QListView::Static);
    m_thumbnails->setSpacing(6);
    m_thumbnails->setIconSize(iconSize);
    m_thumbnails->setFixedWidth(iconSize.width() + 40);
    m_thumbnails->setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < m_report->pageCount(); ++i) {
        auto *item = new QListWidgetItem(QIcon(QPixmap::fromImage(m_report->pageImage(i, dpi))),
                                         QString::number(i + 1), m_thumbnails);
        item->setTextAlignment(Qt::AlignCenter);
    }
    connect(m_thumbnails, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row + 1 != currentPage())
            setCurrentPage(row + 1);
    });
}

// The view shows every page, whatever range the last print left in the
// printer.
void ReportPreview::paintPages(QPrinter *printer)
{
    printer->setFullPage(true);
    m_report->paintOn(*printer);
}

bool ReportPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(this, &ReportPreview::showZoom, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void ReportPreview::showZoom()
{
    const char *modes[] = {"actFitPage", "actActualSize", "actFitWidth"};
    const char *mode = m_view->zoomMode() == QPrintPreviewWidget::FitInView    ? modes[0]
                       : m_view->zoomMode() == QPrintPreviewWidget::FitToWidth ? modes[2]
                       : m_view->zoomFactor() == 1.0                           ? modes[1]
                                                                               : nullptr;
    for (const char *name : modes) {
        if (auto *action = findChild<QAction *>(QLatin1String(name)))
            action->setChecked(mode == name);
    }
    m_zoom->setText(QStringLiteral("Масштаб: %1 %").arg(qRound(m_view->zoomFactor() * 100)));
}

void ReportPreview::showPosition()
{
    const int page = currentPage();
    m_position->setText(QStringLiteral("Сторінка %1 з %2").arg(page).arg(m_report->pageCount()));
    if (page >= 1 && m_thumbnails->currentRow() != page - 1)
        m_thumbnails->setCurrentRow(page - 1);
}

int ReportPreview::currentPage() const
{
    return m_view->currentPage();
}

void ReportPreview::setCurrentPage(int number)
{
    m_view->setCurrentPage(std::clamp(number, 1, std::max(1, m_report->pageCount())));
    showPosition();
}

void ReportPreview::firstPage()
{
    setCurrentPage(1);
}

void ReportPreview::previousPage()
{
    setCurrentPage(currentPage() - 1);
}

void ReportPreview::nextPage()
{
    setCurrentPage(currentPage() + 1);
}

void ReportPreview::lastPage()
{
    setCurrentPage(m_report->pageCount());
}

void ReportPreview::fitPage()
{
    m_view->fitInView();
    showZoom();
}

void ReportPreview::fitWidth()
{
    m_view->fitToWidth();
    showZoom();
}

void ReportPreview::actualSize()
{
    m_view->setZoomFactor(1.0);
    showZoom();
}

void ReportPreview::printerSetup()
{
    QPageSetupDialog dialog(&m_printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_printer.setFullPage(true);
        m_view->updatePreview();
    }
}

void ReportPreview::print()
{
    m_printer.setPrintRange(QPrinter::AllPages);
    m_printer.setFromTo(0, 0);
    QPrintDialog dialog(&m_printer, this);
    dialog.setMinMax(1, std::max(1, m_report->pageCount()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_report->printOn(m_printer)) {
        hooks().inform(this, QStringLiteral("Не вдалося надрукувати на принтері \"%1\".")
                                 .arg(m_printer.printerName()));
    }
}

void ReportPreview::saveAsPdf()
{
    const QString path = hooks().pdfFileName(this, m_pdfName);
    if (path.isEmpty())
        return;
    const ExportResult result = exportPdf(path);
    if (!result)
        hooks().inform(this, result.error);
}

ExportResult ReportPreview::exportPdf(const QString &path) const
{
    return m_report->writePdf(path);
}

void ReportPreview::saveReport()
{
    const QString path = hooks().reportFileName(this, true);
    if (path.isEmpty())
        return;
    const ExportResult result = reportfile::save(*m_report, path);
    if (!result)
        hooks().inform(this, result.error);
}

ReportPreview *ReportPreview::loadReport()
{
    const QString path = hooks().reportFileName(this, false);
    if (path.isEmpty())
        return nullptr;
    QString error;
    std::shared_ptr<const PreparedReport> report = reportfile::load(path, &error);
    if (!report) {
        hooks().inform(this, error);
        return nullptr;
    }
    auto *window = new ReportPreview(std::move(report));
    window->move(pos() + QPoint(24, 24));
    window->show();
    return window;
}
