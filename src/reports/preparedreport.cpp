#include "reports/preparedreport.h"

#include "cardfile/atomicfile.h"
#include "reports/reportsheet.h"
#include "reports/sheetpainter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>

PreparedPage PreparedPage::of(const ReportSheet &sheet, int number)
{
    PreparedPage page{sheet.objectName(), sheet.pageFormat(), sheet.items(), {}, number};
    page.texts = SheetPainter::layOutTexts(page.items, sheet.bandSize());
    return page;
}

const SheetItem *PreparedPage::item(const QString &name) const
{
    const auto it = std::find_if(items.cbegin(), items.cend(),
                                 [&](const SheetItem &i) { return itemName(i) == name; });
    return it == items.cend() ? nullptr : &*it;
}

QStringList PreparedReport::cutFields() const
{
    QStringList fields;
    for (const PreparedPage &p : m_pages) {
        for (size_t i = 0; i < p.items.size() && i < p.texts.size(); ++i) {
            if (!p.texts[i] || !p.texts[i]->cut)
                continue;
            const QString field = std::visit(
                [](const auto &item) {
                    if constexpr (requires { item.field; })
                        return item.field.isEmpty() ? item.name : item.field;
                    else
                        return item.name;
                },
                p.items[i]);
            if (!fields.contains(field))
                fields.append(field);
        }
    }
    return fields;
}

QStringList PreparedReport::cutNotices() const
{
    QStringList notices;
    for (const QString &field : cutFields()) {
        notices.append(
            QStringLiteral("Поле %1 не вміщується у форму: частину тексту не надруковано !")
                .arg(field));
    }
    return notices;
}

void PreparedReport::paintPage(QPainter &painter, int index, const QRectF &target) const
{
    const PreparedPage &p = page(index);
    SheetPainter::paintPage(painter, p.format, p.items, p.texts, target);
}

QImage PreparedReport::pageImage(int index, double dotsPerInch) const
{
    const QSizeF paper = PageFormat::paperPixels() * (dotsPerInch / 96.0);
    QImage image(paper.toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dotsPerInch / 0.0254 + 0.5));
    image.setDotsPerMeterY(int(dotsPerInch / 0.0254 + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, index, QRectF(QPointF(0, 0), paper));
    return image;
}

namespace {

// The A4 page in device coordinates, from the paper's top left corner; on
// smaller paper the page shrinks to fit, on larger paper it keeps its size.
QRectF a4Target(const QPagedPaintDevice &device)
{
    const QSizeF paperMm = device.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const QSizeF devicePx(device.width(), device.height());
    const double perMmX = paperMm.width() > 0 ? devicePx.width() / paperMm.width() : 1;
    const double perMmY = paperMm.height() > 0 ? devicePx.height() / paperMm.height() : 1;
    const double scale = std::min({1.0, paperMm.width() / PageFormat::kPaperWidthMm,
                                   paperMm.height() / PageFormat::kPaperHeightMm});
    return QRectF(0, 0, PageFormat::kPaperWidthMm * perMmX * scale,
                  PageFormat::kPaperHeightMm * perMmY * scale);
}

} // namespace

bool PreparedReport::printOn(QPrinter &printer) const
{
    printer.setFullPage(true);
    return paintOn(printer, printer.fromPage(), printer.toPage());
}

bool PreparedReport::paintOn(QPagedPaintDevice &device, int first, int last) const
{
    device.setPageMargins(QMarginsF(0, 0, 0, 0));
    const int from = first > 0 ? first : 1;
    const int to = last > 0 ? std::min(last, pageCount()) : pageCount();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF target = a4Target(device);
    for (int number = from; number <= to; ++number) {
        if (number > from)
            device.newPage();
        paintPage(painter, number - 1, target);
    }
    return painter.end();
}

ExportResult PreparedReport::writePdf(const QString &path) const
{
    const QString shownPath = QFileInfo(path).absoluteFilePath();
    if (m_pages.empty())
        return {false, QStringLiteral("Немає сторінок для запису у файл \"%1\".").arg(shownPath)};
    // The pages are made in memory and the file is written in one step, so a
    // failed write never leaves a cut PDF in place of an older one.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setCreator(QStringLiteral("ovrida"));
        if (!paintOn(writer)) {
            return {false,
                    QStringLiteral("Не вдалося сформувати PDF у файлі \"%1\".").arg(shownPath)};
        }
    }
    const cardfile::FileResult written = cardfile::writeFileAtomically(path, buffer.data());
    if (!written.ok)
        return {false, written.error};
    return {true, {}};
}
