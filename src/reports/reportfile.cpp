#include "reports/reportfile.h"

#include "reports/sheetpainter.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace reportfile {

namespace {

constexpr quint32 kMagic = 0x4F565A56; // "OVZV"
constexpr quint16 kVersion = 1;
// Bounds no real report comes near; a file beyond them is not a report.
constexpr qint32 kMostPages = 10000;
constexpr qint32 kMostItems = 100000;

enum class ItemKind : quint8 { Label, Memo, Shape };

void writeStyle(QDataStream &out, const TextStyle &style)
{
    out << style.font.pixels << style.font.bold << style.font.underline
        << quint32(style.frame.toInt()) << style.wordWrap << style.autoSize
        << qint32(style.alignment.toInt()) << style.opaque;
}

// False for a font size no form uses (a damaged file).
bool readStyle(QDataStream &in, TextStyle &style)
{
    quint32 frame = 0;
    qint32 alignment = 0;
    in >> style.font.pixels >> style.font.bold >> style.font.underline >> frame >> style.wordWrap >>
        style.autoSize >> alignment >> style.opaque;
    style.frame = FrameSides::fromInt(frame & 15);
    style.alignment = Qt::Alignment::fromInt(alignment);
    return style.font.pixels > 0 && style.font.pixels <= 200;
}

void writeItem(QDataStream &out, const SheetItem &item)
{
    if (const auto *label = std::get_if<SheetLabel>(&item)) {
        out << quint8(ItemKind::Label) << label->name << label->rect;
        writeStyle(out, label->style);
        out << label->caption();
    } else if (const auto *memo = std::get_if<SheetMemo>(&item)) {
        out << quint8(ItemKind::Memo) << memo->name << memo->rect;
        writeStyle(out, memo->style);
        out << qint32(memo->lines().size());
        for (const QString &line : memo->lines())
            out << line;
    } else {
        const auto &shape = std::get<SheetShape>(item);
        out << quint8(ItemKind::Shape) << shape.name << shape.rect << quint8(shape.kind)
            << shape.isEnabled();
    }
}

bool readItem(QDataStream &in, SheetItem &item)
{
    quint8 kind = 0;
    QString name;
    QRect rect;
    in >> kind >> name >> rect;
    switch (ItemKind(kind)) {
    case ItemKind::Label: {
        SheetLabel label;
        label.name = name;
        label.rect = rect;
        if (!readStyle(in, label.style))
            return false;
        QString caption;
        in >> caption;
        label.setCaption(caption);
        item = label;
        return true;
    }
    case ItemKind::Memo: {
        SheetMemo memo;
        memo.name = name;
        memo.rect = rect;
        if (!readStyle(in, memo.style))
            return false;
        // Read one by one: a damaged count must not reserve memory for it.
        qint32 count = 0;
        in >> count;
        if (count < 0 || count > kMostItems)
            return false;
        for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
            QString line;
            in >> line;
            memo.addLine(line);
        }
        item = memo;
        return true;
    }
    case ItemKind::Shape: {
        SheetShape shape;
        shape.name = name;
        shape.rect = rect;
        quint8 shapeKind = 0;
        bool enabled = true;
        in >> shapeKind >> enabled;
        if (shapeKind > quint8(SheetShape::Kind::Rectangle))
            return false;
        shape.kind = SheetShape::Kind(shapeKind);
        shape.setEnabled(enabled);
        item = shape;
        return true;
    }
    }
    return false;
}

} // namespace

ExportResult save(const PreparedReport &report, const QString &path)
{
    const QString shownPath = QFileInfo(path).absoluteFilePath();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {false, QStringLiteral("Не вдалося створити файл \"%1\": %2")
                           .arg(shownPath, file.errorString())};
    }
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << kVersion << qint32(report.pageCount());
    for (int i = 0; i < report.pageCount(); ++i) {
        const PreparedPage &page = report.page(i);
        const QMarginsF &m = page.format.marginsMm;
        out << page.sheetName << m.left() << m.top() << m.right() << m.bottom()
            << qint32(page.number) << qint32(page.items.size());
        for (const SheetItem &item : page.items)
            writeItem(out, item);
    }
    if (out.status() != QDataStream::Ok || !file.commit()) {
        return {false, QStringLiteral("Не вдалося записати файл \"%1\": %2")
                           .arg(shownPath, file.errorString())};
    }
    return {true, {}};
}

std::shared_ptr<const PreparedReport> load(const QString &path, QString *error)
{
    const QString shownPath = QFileInfo(path).absoluteFilePath();
    const auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return nullptr;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(QStringLiteral("Не вдалося прочитати файл \"%1\": %2")
                        .arg(shownPath, file.errorString()));
    }
    const QString notAReport = QStringLiteral("Файл \"%1\" не є збереженим звітом.").arg(shownPath);
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint16 version = 0;
    qint32 pageCount = 0;
    in >> magic >> version >> pageCount;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion || pageCount < 0 ||
        pageCount > kMostPages)
        return fail(notAReport);

    std::vector<PreparedPage> pages;
    for (qint32 i = 0; i < pageCount; ++i) {
        PreparedPage page;
        double left = 0, top = 0, right = 0, bottom = 0;
        qint32 number = 0;
        qint32 itemCount = 0;
        in >> page.sheetName >> left >> top >> right >> bottom >> number >> itemCount;
        const auto isMargin = [](double mm) { return mm >= 0 && mm <= 100; };
        if (in.status() != QDataStream::Ok || itemCount < 0 || itemCount > kMostItems ||
            !isMargin(left) || !isMargin(top) || !isMargin(right) || !isMargin(bottom))
            return fail(notAReport);
        page.format.marginsMm = QMarginsF(left, top, right, bottom);
        page.number = number;
        page.items.reserve(size_t(itemCount));
        for (qint32 n = 0; n < itemCount; ++n) {
            SheetItem item;
            if (!readItem(in, item) || in.status() != QDataStream::Ok)
                return fail(notAReport);
            page.items.push_back(std::move(item));
        }
        // The texts are laid out again, in the band between the margins.
        const QSizeF paper = PageFormat::paperPixels();
        const QSizeF band(paper.width() - (left + right) * PageFormat::kPixelsPerMm,
                          paper.height() - (top + bottom) * PageFormat::kPixelsPerMm);
        page.texts = SheetPainter::layOutTexts(page.items, band);
        pages.push_back(std::move(page));
    }
    if (!in.atEnd())
        return fail(notAReport);
    return std::make_shared<const PreparedReport>(std::move(pages));
}

} // namespace reportfile
