// The sheet engine: items by name, filling operations, page geometry and
// what the painter puts where.
#include "reports/preparedreport.h"
#include "reports/reportfont.h"
#include "reports/reportsheet.h"
#include "reports/sheetpainter.h"
#include "reports/support/pixels.h"

#include <QRegularExpression>
#include <QtTest>

using namespace layout;

namespace {

constexpr CellRow kCodeCells{&cellpatterns::rkOrganisationCode, "0000000000"};

const ItemSpec kProbeItems[] = {
    {"QRLabel1", Label, 100, 100, 200, 30, "", fonts::data, Box},
    {"QRLabel2", Label, 100, 200, 200, 30, "Текст підпису"},
    {"QRShape1", HLine, 100, 300, 200, 1},
    {"QRShape2", Rect, 100, 400, 50, 50, "", fonts::caption, NoFrame, Disabled},
    {"QRMemo1", Memo, 400, 100, 120, 200, "", fonts::data, NoFrame, WordWrap},
    {"QRMemo2", Memo, 400, 400, 221, 20, "", fonts::cells, Box, AutoSize, kCodeCells, "QRShape74"},
    {"QRMemo3", Memo, 400, 500, 200, 20, "зразок", fonts::data},
    {"QRMemo4", Memo, 400, 600, 221, 20, "", fonts::cells, Box, CellBox, kCodeCells, "QRShape71"},
};

SheetLayout probeLayout(PageFormat format = PageFormat::front())
{
    return {"Probe", format, {718, 1040}, kProbeItems};
}

QImage render(const ReportSheet &sheet, double dpi)
{
    const PreparedReport report({PreparedPage::of(sheet, 1)});
    return report.pageImage(0, dpi);
}

// A rectangle given in band pixels, on an image of the page at `dpi`.
QRectF onImage(const ReportSheet &sheet, const QRectF &band, double dpi)
{
    const double scale = dpi / 96.0;
    const QPointF origin = sheet.pageFormat().bandOrigin();
    return QRectF((band.topLeft() + origin) * scale, band.size() * scale);
}

// A one-pixel line may fall across two device pixels and print grey in both.
constexpr int kInk = 180;

} // namespace

using namespace Qt::StringLiterals;

class SheetTest : public QObject
{
    Q_OBJECT

private slots:
    void itemsAreFoundByNameAndKind();
    void fillingOperationsChangeTheNamedItem();
    void resetLeavesABlankLineInMemosThatReceiveNothing();
    void pageHasA4SizeAndItemsSitInsideTheMargins_data();
    void pageHasA4SizeAndItemsSitInsideTheMargins();
    void disabledShapeIsNotPrinted();
    void memoPrintsTopDownInsideItsRectangle();
    void lineBreaksAndWordWrap();
    void textsMeasureAsTheirCharactersTogether();
    void automaticSizingFollowsTheTextUntilTurnedOff();
    void cellPatternsSpreadCharacters();
    void wrappedTextKeepsClearOfAnItemInsideItsBox_data();
    void wrappedTextKeepsClearOfAnItemInsideItsBox();
};

void SheetTest::itemsAreFoundByNameAndKind()
{
    ReportSheet sheet(probeLayout());
    QCOMPARE(sheet.objectName(), QStringLiteral("Probe"));
    QVERIFY(sheet.hasItem(QStringLiteral("QRLabel2")));
    QCOMPARE(sheet.label(QStringLiteral("QRLabel2")).caption(), QStringLiteral("Текст підпису"));
    QCOMPARE(sheet.memo(QStringLiteral("QRMemo3")).lines(), QStringList{QStringLiteral("зразок")});
    QCOMPARE(sheet.label(QStringLiteral("QRLabel1")).rect, QRect(100, 100, 200, 30));

    // Nine dividers for ten cells, the last one under its given name.
    for (int i = 1; i <= 8; ++i)
        QVERIFY(sheet.hasItem(QStringLiteral("QRMemo2.cell%1").arg(i)));
    QVERIFY(!sheet.hasItem(QStringLiteral("QRMemo2.cell9")));
    QCOMPARE(sheet.shape(QStringLiteral("QRShape74")).kind, SheetShape::Kind::VerticalLine);
    // A box around the ninth cell stands for the last two dividers.
    const SheetShape &ninth = sheet.shape(QStringLiteral("QRShape71"));
    QCOMPARE(ninth.kind, SheetShape::Kind::Rectangle);
    QVERIFY(sheet.hasItem(QStringLiteral("QRMemo4.cell7")));
    QVERIFY(!sheet.hasItem(QStringLiteral("QRMemo4.cell8")));
    const QRectF box(ninth.rect);
    QVERIFY(std::abs(box.left() - QRectF(sheet.shape("QRMemo2.cell8").rect).center().x()) <= 1);
    QVERIFY(std::abs(box.right() - QRectF(sheet.shape("QRShape74").rect).center().x()) <= 1);

    // A wrong name or kind gives a detached item that changes nothing printed.
    const auto before = sheet.items().size();
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("no such item: QRMemo99")));
    sheet.memo(QStringLiteral("QRMemo99")).addLine(QStringLiteral("x"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no such item: QRMemo1")));
    sheet.setCaption(QStringLiteral("QRMemo1"), QStringLiteral("x"));
    QCOMPARE(sheet.items().size(), before);
    QVERIFY(sheet.memo(QStringLiteral("QRMemo1")).lines().isEmpty());
}

void SheetTest::fillingOperationsChangeTheNamedItem()
{
    ReportSheet sheet(probeLayout());
    sheet.setCaption(QStringLiteral("QRLabel1"), QStringLiteral(" "));
    sheet.setCaption(QStringLiteral("QRLabel1"), QString());
    QCOMPARE(sheet.label(QStringLiteral("QRLabel1")).caption(), QString());

    SheetMemo &memo = sheet.memo(QStringLiteral("QRMemo3"));
    memo.clear();
    memo.addLine(QStringLiteral("перший"));
    memo.addLine(QStringLiteral("другий\r\nтретій"));
    QCOMPARE(memo.lines().size(), 2);
    QCOMPARE(SheetPainter::printedLines(memo).size(), 3);

    memo.setWidth(77);
    QCOMPARE(memo.rect, QRect(400, 500, 77, 20));
    sheet.setShapeEnabled(QStringLiteral("QRShape74"), false);
    QVERIFY(!sheet.shape(QStringLiteral("QRShape74")).isEnabled());
}

void SheetTest::resetLeavesABlankLineInMemosThatReceiveNothing()
{
    ReportSheet sheet(probeLayout());
    sheet.resetMemos();
    sheet.setLines(QStringLiteral("QRMemo1"), {QStringLiteral("значення")});

    QStringList blanks;
    sheet.forEachMemo([&](SheetMemo &memo) {
        if (memo.lines() == QStringList{QStringLiteral(" ")})
            blanks << memo.name;
    });
    QCOMPARE(blanks, (QStringList{QStringLiteral("QRMemo2"), QStringLiteral("QRMemo3"),
                                  QStringLiteral("QRMemo4")}));
    QCOMPARE(sheet.memo(QStringLiteral("QRMemo1")).lines(),
             QStringList{QStringLiteral("значення")});
    // Labels are not memos: the reset leaves them alone.
    QCOMPARE(sheet.label(QStringLiteral("QRLabel2")).caption(), QStringLiteral("Текст підпису"));
}

void SheetTest::pageHasA4SizeAndItemsSitInsideTheMargins_data()
{
    QTest::addColumn<bool>("back");
    QTest::addColumn<double>("dpi");
    QTest::newRow("front margins, 96 dpi") << false << 96.0;
    QTest::newRow("front margins, 200 dpi") << false << 200.0;
    QTest::newRow("back margins, 96 dpi") << true << 96.0;
}

void SheetTest::pageHasA4SizeAndItemsSitInsideTheMargins()
{
    QFETCH(bool, back);
    QFETCH(double, dpi);
    ReportSheet sheet(probeLayout(back ? PageFormat::back() : PageFormat::front()));
    const QImage image = render(sheet, dpi);
    QCOMPARE(image.width(), qRound(210 / 25.4 * dpi));
    QCOMPARE(image.height(), qRound(297 / 25.4 * dpi));

    const double px = dpi / 96.0;
    const double leftMm = back ? 9 : 10;
    const QRectF frame = onImage(sheet, QRectF(100, 100, 200, 30), dpi);
    QCOMPARE(frame.left(), (leftMm / 25.4 * 96 + 100) * px);
    // Each side of the framed label is drawn...
    QVERIFY(darkest(image, QRectF(frame.left() - px, frame.center().y(), 2 * px, 1)) < kInk);
    QVERIFY(darkest(image, QRectF(frame.right() - px, frame.center().y(), 2 * px, 1)) < kInk);
    QVERIFY(darkest(image, QRectF(frame.center().x(), frame.top() - px, 1, 2 * px)) < kInk);
    QVERIFY(darkest(image, QRectF(frame.center().x(), frame.bottom() - px, 1, 2 * px)) < kInk);
    // ...its empty inside stays white, and so do the margins.
    QVERIFY(isBlank(image, frame.adjusted(3 * px, 3 * px, -3 * px, -3 * px)));
    QVERIFY(isBlank(image, QRectF(0, 0, image.width(), 9.5 / 25.4 * dpi)));
    QVERIFY(isBlank(image, QRectF(0, 0, (leftMm - 0.5) / 25.4 * dpi, image.height())));

    // The caption of an unframed label is printed inside its rectangle.
    const QRectF text = onImage(sheet, QRectF(100, 200, 200, 30), dpi);
    QVERIFY(darkest(image, text) < kInk);
    QVERIFY(isBlank(image, QRectF(text.left() - 5 * px, text.top(), 3 * px, text.height())));
}

void SheetTest::disabledShapeIsNotPrinted()
{
    ReportSheet sheet(probeLayout());
    const QRectF shape = onImage(sheet, QRectF(100, 400, 50, 50), 96);
    const QRectF line = onImage(sheet, QRectF(100, 300, 200, 1), 96);
    QVERIFY(isBlank(render(sheet, 96), shape.adjusted(-2, -2, 2, 2)));
    QVERIFY(darkest(render(sheet, 96), line) < kInk);

    sheet.setShapeEnabled(QStringLiteral("QRShape2"), true);
    sheet.setShapeEnabled(QStringLiteral("QRShape1"), false);
    const QImage image = render(sheet, 96);
    QVERIFY(darkest(image, QRectF(shape.left() - 1, shape.center().y(), 2, 1)) < kInk);
    QVERIFY(isBlank(image, line.adjusted(0, -2, 0, 2)));
}

void SheetTest::memoPrintsTopDownInsideItsRectangle()
{
    ReportSheet sheet(probeLayout());
    QStringList many;
    for (int i = 1; i <= 40; ++i)
        many << QStringLiteral("%1 рядок").arg(i);
    sheet.setLines(QStringLiteral("QRMemo1"), many);
    const QImage image = render(sheet, 96);
    const QRectF memo = onImage(sheet, QRectF(400, 100, 120, 200), 96);
    QVERIFY(darkest(image, QRectF(memo.left(), memo.top(), memo.width(), 20)) < kInk);
    QVERIFY(darkest(image, QRectF(memo.left(), memo.bottom() - 25, memo.width(), 25)) < kInk);
    // Lines that do not fit are not printed over what lies below.
    QVERIFY(isBlank(image, QRectF(memo.left(), memo.bottom() + 1, memo.width(), 60)));

    // A memo of one blank prints nothing.
    sheet.setLines(QStringLiteral("QRMemo1"), {QStringLiteral(" ")});
    QVERIFY(isBlank(render(sheet, 96), memo));
}

void SheetTest::lineBreaksAndWordWrap()
{
    SheetMemo memo;
    memo.rect = QRect(0, 0, 150, 300);
    memo.style.font = fonts::data;
    memo.addLine(QStringLiteral("а\r\nб\nв\n\rг\rд"));
    QCOMPARE(SheetPainter::printedLines(memo),
             (QStringList{QStringLiteral("а"), QStringLiteral("б"), QStringLiteral("в"),
                          QStringLiteral("г"), QStringLiteral("д")}));

    // Word wrap breaks at blanks only, never inside a word, and every
    // line fits the memo's width.
    const QString text = QStringLiteral("Науково-технічна продукція, що пропонується до "
                                        "реалізації, з переліком робіт");
    memo.setLines({text});
    memo.style.wordWrap = true;
    const QStringList lines = SheetPainter::printedLines(memo);
    QVERIFY(lines.size() > 2);
    const ReportFont font(memo.style.font);
    QStringList words;
    for (const QString &line : lines) {
        QVERIFY2(font.advance(line.trimmed()) <= 150 - 2 * SheetPainter::kTextInset,
                 qPrintable(line));
        words << line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    QCOMPARE(words, text.split(QLatin1Char(' ')));

    // A run of blanks pushes the following words to the next line, as the
    // captions written with blanks expect; a word too long for a line is
    // broken between characters rather than lost.
    memo.setLines({QStringLiteral("Назва (1-українською,") + QString(40, QLatin1Char(' ')) +
                   QStringLiteral("2-російською)")});
    QCOMPARE(SheetPainter::printedLines(memo).last(), QStringLiteral("2-російською)"));
    // Each of its lines is the longest that fits, also for a word of
    // thousands of letters (text pasted without blanks).
    for (const QString &word : {QString(60, QChar(u'Ж')), QStringLiteral("Щїa1").repeated(2500)}) {
        memo.setLines({u"до "_s + word});
        const QStringList broken = SheetPainter::printedLines(memo);
        QCOMPARE(broken.first(), u"до"_s);
        QCOMPARE(broken.mid(1).join(QString()), word);
        const double room = 150 - 2 * SheetPainter::kTextInset;
        for (qsizetype i = 1; i + 1 < broken.size(); ++i) {
            QVERIFY(font.advance(broken[i]) <= room);
            QVERIFY(font.advance(broken[i] + broken[i + 1].front()) > room);
        }
    }
}

// The printing measures a text by adding the widths of its characters; the
// font shaping the whole text must agree, or lines would overflow their boxes.
void SheetTest::textsMeasureAsTheirCharactersTogether()
{
    QString characters;
    for (char16_t c = 0x20; c < 0x7f; ++c)
        characters += QChar(c);
    for (char16_t c = 0x400; c < 0x460; ++c)
        characters += QChar(c);
    characters += u"ҐґЄєІіЇї«»№–—’‘“”„…§©®°±µ¶·\u00a0"_s;
    const QStringList texts = {characters, u"fi fl ffi Te AV To Ти «Гл» №1–2"_s,
                               characters.repeated(3), u"Ї"_s};
    for (const FontSpec style : {fonts::caption, fonts::captionBold, fonts::cardTitle, fonts::data,
                                 fonts::dataUnderlined, fonts::text15, fonts::cells}) {
        const ReportFont font(style);
        const QFontMetricsF whole(font.scaledFont());
        for (const QString &text : texts)
            QCOMPARE(font.advance(text), whole.horizontalAdvance(text) / ReportFont::kScale);
    }
}

void SheetTest::automaticSizingFollowsTheTextUntilTurnedOff()
{
    ReportSheet sheet(probeLayout());
    SheetMemo &cells = sheet.memo(QStringLiteral("QRMemo2"));
    cells.setLines({cellpatterns::rkOrganisationCode.spread(QStringLiteral("1234567890"))});
    const double full = SheetPainter::printedRect(cells).width();
    cells.setLines({cellpatterns::rkOrganisationCode.spread(QStringLiteral("12345678"))});
    const double eight = SheetPainter::printedRect(cells).width();
    QVERIFY2(std::abs(full - 221) < 8, qPrintable(QString::number(full)));
    QVERIFY2(std::abs(eight - 177) < 8, qPrintable(QString::number(eight)));

    // The tenth-cell divider stands between the full row's ninth and tenth
    // characters, beyond the end of an eight-digit row.
    const double divider = sheet.shape(QStringLiteral("QRShape74")).rect.center().x() - 400;
    QVERIFY(divider > eight && divider < full);

    // Empty: one blank, automatic sizing off, a fixed width keeps the frame.
    cells.setLines({QStringLiteral(" ")});
    QVERIFY(SheetPainter::printedRect(cells).width() < 10);
    cells.setEmptyCells(180);
    QCOMPARE(cells.lines(), QStringList{QStringLiteral(" ")});
    QCOMPARE(SheetPainter::printedRect(cells), QRectF(400, 400, 180, 20));

    // A value is spread with the row's own pattern; other items take it as it is.
    cells.setCells(QStringLiteral("1234567890"));
    QCOMPARE(cells.lines(),
             QStringList{cellpatterns::rkOrganisationCode.spread(QStringLiteral("1234567890"))});
    sheet.memo(QStringLiteral("QRMemo3")).setCells(QStringLiteral("12"));
    QCOMPARE(sheet.memo(QStringLiteral("QRMemo3")).lines(), QStringList{QStringLiteral("12")});
}

void SheetTest::cellPatternsSpreadCharacters()
{
    QCOMPARE(cellpatterns::rkMonthYear.spread(QStringLiteral("05.07")),
             QStringLiteral(" 0    5    .    0   7  "));
    QCOMPARE(cellpatterns::rkRubric.spread(QStringLiteral("12.34.56")),
             QStringLiteral("1    2   .   3   4   .   5   6 "));
    QCOMPARE(cellpatterns::okdOrganisationCode.spread(QStringLiteral("12345678")),
             QStringLiteral("1    2    3   4   5   6    7   8  "));
    // Eight digits use the first seven gaps of a ten-digit row.
    QCOMPARE(cellpatterns::rkOrganisationCode.spread(QStringLiteral("12345678")),
             QStringLiteral(" 1    2    3   4    5   6    7   8  "));
    QCOMPARE(cellpatterns::rkOrganisationCode.spread(QStringLiteral("1234567890")),
             QStringLiteral(" 1    2    3   4    5   6    7   8    9   0  "));
    // Characters beyond the row keep the last gap; nothing is dropped.
    QCOMPARE(cellpatterns::rkReportKind.spread(QStringLiteral("123")),
             QStringLiteral(" 1    2    3  "));
    QCOMPARE(cellpatterns::rkReportKind.spread(QString()), QStringLiteral("   "));
}

void SheetTest::wrappedTextKeepsClearOfAnItemInsideItsBox_data()
{
    QTest::addColumn<QString>("marker");
    QTest::addColumn<bool>("opaque");
    QTest::addColumn<bool>("givesWay");
    QTest::newRow("marker shown") << u"(див.продовження)"_s << false << true;
    QTest::newRow("blank marker") << u" "_s << false << false;
    QTest::newRow("opaque marker covers") << u"(див.продовження)"_s << true << false;
}

// A memo's lines that reach an item printed inside its box end before it;
// the lines above it keep the whole width, and no text is lost.
void SheetTest::wrappedTextKeepsClearOfAnItemInsideItsBox()
{
    QFETCH(QString, marker);
    QFETCH(bool, opaque);
    QFETCH(bool, givesWay);
    SheetMemo memo;
    memo.rect = QRect(0, 0, 300, 60);
    memo.style.font = fonts::data;
    memo.style.wordWrap = true;
    const QString text = u"адреса "_s.repeated(16).trimmed();
    memo.setLines({text});
    SheetLabel label;
    label.rect = QRect(150, 40, 150, 15);
    label.style.font = fonts::caption;
    label.style.autoSize = true;
    label.style.opaque = opaque;
    label.setCaption(marker);
    const QSizeF band(718, 1040);
    const textfit::FittedText alone = *SheetPainter::layOutTexts({memo}, band)[0];
    const textfit::FittedText fitted = *SheetPainter::layOutTexts({memo, label}, band)[0];
    QVERIFY(!fitted.cut);
    QCOMPARE(fitted.lines.join(u' ').simplified(), text);
    if (!givesWay) {
        QCOMPARE(fitted.lines, alone.lines);
        QCOMPARE(fitted.font.pixels, alone.font.pixels);
        return;
    }
    const ReportFont font(fitted.font);
    const double markerText = label.rect.top() + textfit::kTextInset + textfit::kBottomTolerance;
    int wide = 0;
    int besideMarker = 0;
    for (qsizetype i = 0; i < fitted.lines.size(); ++i) {
        const QRectF line = SheetPainter::lineBox(fitted, memo.style, font, i);
        if (line.bottom() > markerText) {
            ++besideMarker;
            QVERIFY2(line.right() <= label.rect.left(), qPrintable(fitted.lines.at(i)));
        } else {
            wide += line.right() > label.rect.left();
        }
    }
    QVERIFY(wide > 0 && besideMarker > 0);
}

QTEST_MAIN(SheetTest)
#include "sheet_test.moc"
