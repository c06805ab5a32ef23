// The fourteen sheets: start-up order, page settings, the items the card
// printing fills, the given positions, and boxed cells that fit the
// characters printed into them.
#include "reports/sheetpainter.h"
#include "reports/sheetset.h"

#include <QtTest>

#include <map>

namespace {

// Items the printing of the three cards fills, by kind.
QStringList names(const char *prefix, std::initializer_list<int> numbers)
{
    QStringList result;
    for (int n : numbers)
        result << QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n);
    return result;
}

QStringList range(const char *prefix, int from, int to)
{
    QStringList result;
    for (int n = from; n <= to; ++n)
        result << QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n);
    return result;
}

struct FilledItems
{
    const char *sheet;
    QStringList labels;
    QStringList memos;
    QStringList shapes;
};

std::vector<FilledItems> filledItems()
{
    const QStringList dopLabels = names("QRLabel", {1, 2});
    const QStringList dopMemos = range("QRMemo", 1, 3);
    return {
        {"QRRk1",
         names("QRLabel", {2, 3, 28, 35, 51, 27, 40, 54, 37, 43, 30, 9, 48, 49, 47, 32, 22, 31}),
         names("QRMemo", {2, 4, 24, 13, 26, 11, 18, 20, 19, 10, 8, 22, 1, 17, 23}),
         names("QRShape", {74, 71})},
        {"QRRk2",
         names("QRLabel", {13, 28, 15, 16, 17, 18, 19, 20, 24}),
         names("QRMemo", {3,  16, 20, 21, 22, 17, 18, 19, 24, 12, 25, 26, 5,
                          13, 29, 30, 14, 31, 32, 33, 27, 28, 4,  8,  6,  7}),
         {}},
        {"QRRKDop", names("QRLabel", {9}), range("QRMemo", 1, 44), {}},
        {"QRRKDopZ", names("QRLabel", {1}), range("QRMemo", 1, 13),
         names("QRShape", {10, 15, 31, 41})},
        {"QRRKDopS", names("QRLabel", {1}), range("QRMemo", 1, 18), {}},
        {"QROk1", names("QRLabel", {1, 2, 3, 30, 9, 33, 34, 21, 22, 31, 32, 25, 27, 40, 35, 38}),
         names("QRMemo", {2, 9, 18, 20, 19, 10, 8, 22, 1, 7, 11, 4, 24, 15, 13, 5, 17, 14, 16, 26}),
         names("QRShape", {17, 20, 35, 36})},
        {"QROk2",
         names("QRLabel",
               {31, 32, 2, 3, 4, 5, 6, 7, 8, 33, 26, 27, 28, 13, 15, 16, 17, 18, 19, 20, 24}),
         names("QRMemo", {3, 16, 17, 12, 5, 14, 4, 8, 6, 7}),
         {}},
        {"QROK3", names("QRLabel", {1}), range("QRMemo", 1, 22), {}},
        {"QROkd1",
         names("QRLabel", {1, 2, 3, 8, 9, 30, 29, 28, 27, 33, 34, 47, 37, 40, 42, 43, 44, 45}),
         names("QRMemo", {9, 1, 18, 19, 7, 20, 10, 8, 22, 23, 13, 14, 16, 4, 5, 21, 15, 24, 26}),
         {}},
        {"QROkd2",
         names("QRLabel", {2, 3, 4, 5, 6, 7, 8, 25, 13, 15, 16, 17, 18, 19, 20, 24}),
         names("QRMemo", {2, 3, 4, 5, 6}),
         {}},
        {"QRDop", dopLabels, dopMemos, {}},
        {"QRDop1", dopLabels, dopMemos, {}},
        {"QRDop2", dopLabels, dopMemos, {}},
        {"QRDop3", dopLabels, dopMemos, {}},
    };
}

// A full value for a row of cells, by its pattern.
QString fullValue(const CellPattern *pattern)
{
    using namespace cellpatterns;
    if (pattern == &rkMonthYear || pattern == &okMonthYear)
        return QStringLiteral("12.34");
    if (pattern == &rkReportKind)
        return QStringLiteral("12");
    if (pattern == &rkRubric || pattern == &okRubric || pattern == &okdRubric ||
        pattern == &okdSpeciality || pattern == &okdDefenceDate)
        return QStringLiteral("12.34.56");
    if (pattern == &rkOrganisationCode || pattern == &okOrganisationCode)
        return QStringLiteral("1234567890");
    if (pattern == &okdOrganisationCode)
        return QStringLiteral("12345678");
    return QStringLiteral("0107U001234");
}

} // namespace

class LayoutsTest : public QObject
{
    Q_OBJECT

private slots:
    void sheetsAreCreatedOnceInStartUpOrder();
    void pageSettings();
    void itemsTheCardsFillExist();
    void namesAreUniqueAndItemsLieOnThePaper();
    void continuationSheetsHaveTheirFullLayout();
    void registrationCardItemsStandWhereGiven();
    void everyCharacterOfAFullValueFallsInItsOwnCell();
};

void LayoutsTest::sheetsAreCreatedOnceInStartUpOrder()
{
    QCOMPARE(SheetSet::instance(), nullptr);
    {
        SheetSet set;
        QCOMPARE(SheetSet::instance(), &set);
        QStringList order;
        QStringList classes;
        for (const ReportSheet *sheet : set.sheets()) {
            order << sheet->objectName();
            classes << QLatin1String(sheet->metaObject()->className());
            QCOMPARE(sheet->parent(), &set);
            QVERIFY(!sheet->isWidgetType());
        }
        QCOMPARE(order, (QStringList{"QROkd1", "QROkd2", "QRDop", "QROk1", "QROk2", "QRRk1",
                                     "QRRKDop", "QRDop1", "QRDop2", "QRDop3", "QRRk2", "QRRKDopZ",
                                     "QRRKDopS", "QROK3"}));
        QCOMPARE(classes, (QStringList{"TQROkd1", "TQROkd2", "TQRDop", "TQROk1", "TQROk2", "TQRRk1",
                                       "TQRRKDop", "TQRDop1", "TQRDop2", "TQRDop3", "TQRRk2",
                                       "TQRRKDopZ", "TQRRKDopS", "TQROK3"}));
        for (const QString &name : order)
            QVERIFY(set.sheet(name) && set.sheet(name)->objectName() == name);
        QCOMPARE(set.sheet(QStringLiteral("QRRk3")), nullptr);
        QCOMPARE(&set.QRRKDopS(), set.sheet(QStringLiteral("QRRKDopS")));
        QCOMPARE(&set.QROK3(), set.sheets().last());
    }
    QCOMPARE(SheetSet::instance(), nullptr);
}

void LayoutsTest::pageSettings()
{
    SheetSet set;
    const std::map<QString, QMarginsF> margins{
        {"QRRk1", {10, 10, 10, 10}},    {"QRRKDopZ", {10, 10, 10, 10}},
        {"QRRKDopS", {10, 10, 10, 10}}, {"QROK3", {10, 10, 10, 10}},
        {"QROkd1", {10, 10, 10, 10}},   {"QRDop1", {10, 10, 10, 10}},
        {"QRDop2", {10, 10, 10, 10}},   {"QRDop3", {10, 10, 10, 10}},
        {"QROk1", {10, 10, 20, 10}},    {"QRRk2", {9, 10, 20, 19}},
        {"QRRKDop", {9, 10, 20, 19}},   {"QROkd2", {9, 10, 20, 19}},
        {"QRDop", {9, 10, 20, 19}},     {"QROk2", {9, 9, 20, 19}},
    };
    QCOMPARE(margins.size(), size_t(14));
    for (const ReportSheet *sheet : set.sheets())
        QCOMPARE(sheet->pageFormat().marginsMm, margins.at(sheet->objectName()));
    QCOMPARE(set.QRRk1().bandSize(), QSize(718, 1040));
    QCOMPARE(set.QRRk2().bandSize(), QSize(681, 1020));
}

void LayoutsTest::itemsTheCardsFillExist()
{
    SheetSet set;
    for (const FilledItems &expected : filledItems()) {
        const ReportSheet *sheet = set.sheet(QLatin1String(expected.sheet));
        QVERIFY(sheet);
        const auto check = [&](const QStringList &list, auto kind) {
            for (const QString &name : list) {
                const SheetItem *item = sheet->item(name);
                QVERIFY2(item && std::holds_alternative<decltype(kind)>(*item),
                         qPrintable(sheet->objectName() + QLatin1Char('.') + name));
            }
        };
        check(expected.labels, SheetLabel());
        check(expected.memos, SheetMemo());
        check(expected.shapes, SheetShape());
    }
}

void LayoutsTest::namesAreUniqueAndItemsLieOnThePaper()
{
    SheetSet set;
    const QRectF paper(QPointF(0, 0), PageFormat::paperPixels());
    for (const ReportSheet *sheet : set.sheets()) {
        QSet<QString> seen;
        for (const SheetItem &item : sheet->items()) {
            const QString where = sheet->objectName() + QLatin1Char('.') + itemName(item);
            QVERIFY2(!seen.contains(itemName(item)), qPrintable(where));
            seen.insert(itemName(item));
            const QRectF onPaper =
                QRectF(itemRect(item)).translated(sheet->pageFormat().bandOrigin());
            QVERIFY2(paper.contains(onPaper), qPrintable(where));
            QVERIFY2(!itemRect(item).isEmpty(), qPrintable(where));
        }
        // Nothing is filled yet: every data memo is empty.
        for (const SheetItem &item : sheet->items()) {
            if (const auto *memo = std::get_if<SheetMemo>(&item))
                QVERIFY(memo->lines().isEmpty());
        }
    }
}

void LayoutsTest::continuationSheetsHaveTheirFullLayout()
{
    SheetSet set;
    struct Dop
    {
        ReportSheet *sheet;
        QSize band;
        int leftHeight;
        int rightWidth;
        int rightHeight;
    };
    const Dop dops[] = {
        {&set.QRDop(), {681, 1012}, 879, 329, 998},
        {&set.QRDop1(), {718, 1048}, 894, 329, 1030},
        {&set.QRDop2(), {718, 1037}, 883, 329, 1019},
        {&set.QRDop3(), {718, 1044}, 890, 349, 1030},
    };
    for (const Dop &dop : dops) {
        ReportSheet &s = *dop.sheet;
        QCOMPARE(s.bandSize(), dop.band);
        QCOMPARE(s.label("QRLabel1").rect.topLeft(), QPoint(8, 10));
        QCOMPARE(s.memo("QRMemo3").rect, QRect(8, 32, 329, 89));
        QCOMPARE(s.label("QRLabel2").rect.topLeft(), QPoint(9, 120));
        QCOMPARE(s.memo("QRMemo1").rect, QRect(8, 144, 329, dop.leftHeight));
        QCOMPARE(s.memo("QRMemo2").rect, QRect(352, 8, dop.rightWidth, dop.rightHeight));
        QVERIFY(s.label("QRLabel1").style.autoSize && s.label("QRLabel2").style.autoSize);
        QCOMPARE(s.label("QRLabel1").style.font.pixels, 15.0);
        QCOMPARE(s.label("QRLabel2").style.font.pixels, 15.0);
        QCOMPARE(s.memo("QRMemo3").style.font.pixels, 16.0);
        QCOMPARE(s.memo("QRMemo1").style.font.pixels, 15.0);
        QCOMPARE(s.memo("QRMemo2").style.font.pixels, 15.0);
        for (const char *memo : {"QRMemo1", "QRMemo2", "QRMemo3"}) {
            const TextStyle &style = s.memo(memo).style;
            QVERIFY(style.wordWrap && !style.frame && style.alignment == Qt::AlignLeft);
        }
        // The column line runs the whole height of the band at 344.
        int lines = 0;
        for (const SheetItem &item : s.items()) {
            if (const auto *shape = std::get_if<SheetShape>(&item)) {
                QCOMPARE(shape->kind, SheetShape::Kind::VerticalLine);
                QCOMPARE(shape->rect.left(), 344);
                QCOMPARE(shape->rect.top(), 0);
                QCOMPARE(shape->rect.height(), dop.band.height());
                ++lines;
            }
        }
        QCOMPARE(lines, 1);
    }
}

void LayoutsTest::registrationCardItemsStandWhereGiven()
{
    SheetSet set;
    struct Given
    {
        ReportSheet *sheet;
        const char *item;
        QRect rect;
    };
    ReportSheet *p1 = &set.QRRk1();
    ReportSheet *p2 = &set.QRRk2();
    const Given given[] = {
        {p1, "QRLabel2", {224, 48, 113, 20}},   {p1, "QRLabel3", {8, 88, 337, 19}},
        {p1, "QRMemo2", {44, 129, 259, 20}},    {p1, "QRMemo4", {414, 41, 243, 19}},
        {p1, "QRLabel28", {660, 60, 20, 19}},   {p1, "QRLabel35", {532, 80, 148, 19}},
        {p1, "QRLabel51", {532, 100, 148, 19}}, {p1, "QRLabel27", {531, 122, 151, 19}},
        {p1, "QRLabel40", {360, 156, 320, 20}}, {p1, "QRLabel54", {482, 180, 198, 19}},
        {p1, "QRMemo24", {360, 215, 318, 32}},  {p1, "QRLabel37", {596, 248, 81, 19}},
        {p1, "QRMemo13", {408, 299, 245, 22}},  {p1, "QRLabel43", {360, 355, 317, 19}},
        {p1, "QRMemo26", {359, 417, 358, 621}}, {p1, "QRMemo11", {56, 187, 221, 20}},
        {p1, "QRMemo18", {8, 243, 337, 167}},   {p1, "QRMemo20", {8, 427, 337, 47}},
        {p1, "QRMemo19", {8, 491, 337, 40}},    {p1, "QRLabel30", {128, 534, 201, 20}},
        {p1, "QRLabel9", {128, 550, 202, 20}},  {p1, "QRLabel48", {46, 565, 38, 17}},
        {p1, "QRLabel49", {128, 565, 201, 17}}, {p1, "QRMemo10", {8, 635, 337, 43}},
        {p1, "QRMemo8", {56, 723, 221, 21}},    {p1, "QRMemo22", {8, 763, 337, 38}},
        {p1, "QRMemo1", {8, 819, 337, 41}},     {p1, "QRLabel32", {160, 892, 185, 19}},
        {p1, "QRLabel22", {160, 916, 185, 20}}, {p1, "QRLabel31", {160, 942, 185, 19}},
        {p1, "QRMemo17", {192, 999, 112, 22}},  {p1, "QRMemo23", {192, 1021, 112, 19}},
        {p2, "QRMemo3", {0, 31, 313, 246}},     {p2, "QRMemo16", {1, 336, 329, 341}},
        {p2, "QRMemo17", {373, 33, 110, 20}},   {p2, "QRMemo18", {493, 33, 110, 20}},
        {p2, "QRMemo19", {616, 33, 44, 20}},    {p2, "QRMemo24", {337, 56, 340, 85}},
        {p2, "QRMemo12", {373, 145, 110, 20}},  {p2, "QRMemo5", {337, 166, 340, 85}},
        {p2, "QRMemo30", {616, 257, 44, 20}},   {p2, "QRMemo14", {337, 279, 340, 85}},
        {p2, "QRMemo32", {493, 369, 110, 20}},  {p2, "QRMemo27", {337, 388, 340, 68}},
        {p2, "QRMemo28", {340, 491, 337, 34}},  {p2, "QRLabel15", {345, 544, 153, 25}},
        {p2, "QRLabel17", {345, 592, 153, 25}}, {p2, "QRLabel19", {521, 568, 153, 25}},
        {p2, "QRMemo4", {345, 638, 327, 21}},   {p2, "QRMemo8", {345, 710, 323, 21}},
        {p2, "QRMemo6", {345, 810, 327, 48}},   {p2, "QRMemo7", {345, 878, 323, 19}},
        {p2, "QRLabel24", {343, 950, 329, 21}},
    };
    for (const Given &g : given) {
        const SheetItem *item = g.sheet->item(QLatin1String(g.item));
        QVERIFY2(item, g.item);
        QCOMPARE(itemRect(*item), g.rect);
    }
    QCOMPARE(p1->label("QRLabel47").rect.topLeft(), QPoint(192, 845));
    QCOMPARE(p2->label("QRLabel13").rect.topLeft(), QPoint(531, 458));
    QCOMPARE(p2->label("QRLabel28").rect.topLeft(), QPoint(208, 989));
    for (const char *memo : {"QRMemo20", "QRMemo21", "QRMemo22"})
        QCOMPARE(p2->memo(memo).rect.width(), 319);
    QCOMPARE(p1->memo("QRMemo17").style.frame, FrameSide::Top | FrameSide::Left | FrameSide::Right);
    QCOMPARE(p1->memo("QRMemo23").style.frame,
             FrameSide::Bottom | FrameSide::Left | FrameSide::Right);
    QCOMPARE(p1->label("QRLabel2").style.frame, FrameSides(FrameSide::Bottom));
    QCOMPARE(p1->memo("QRMemo24").style.font, (FontSpec{13, false, true}));
    // Stages 5 to 11 in the left column, 12 to 15 in the right.
    const ReportSheet &dop = set.QRRKDop();
    QVERIFY(dop.memo("QRMemo16").rect.left() < 340 && dop.memo("QRMemo23").rect.left() > 340);
    QVERIFY(dop.memo("QRMemo17").rect.top() < dop.memo("QRMemo12").rect.top());
}

void LayoutsTest::everyCharacterOfAFullValueFallsInItsOwnCell()
{
    SheetSet set;
    int rows = 0;
    for (const ReportSheet *sheet : set.sheets()) {
        for (const SheetItem &item : sheet->items()) {
            const TextStyle *style = nullptr;
            QRect rect;
            if (const auto *memo = std::get_if<SheetMemo>(&item)) {
                style = &memo->style;
                rect = memo->rect;
            } else if (const auto *label = std::get_if<SheetLabel>(&item)) {
                style = &label->style;
                rect = label->rect;
            }
            if (!style || !style->cells)
                continue;
            ++rows;
            const QString where = sheet->objectName() + QLatin1Char('.') + itemName(item);
            const QString value = fullValue(style->cells);
            const QString line = style->cells->spread(value);

            // Centres of the printed characters.
            const ReportFont font(style->font);
            std::vector<double> centres;
            for (qsizetype i = 0; i < line.size(); ++i) {
                if (line.at(i) != QLatin1Char(' ')) {
                    centres.push_back(rect.left() + SheetPainter::kTextInset +
                                      font.advance(line.left(i)) + font.advance(line.at(i)) / 2);
                }
            }
            // The dividers drawn across this row: lines, and the sides of a
            // box around one cell.
            std::vector<double> dividers;
            for (const SheetItem &other : sheet->items()) {
                const auto *shape = std::get_if<SheetShape>(&other);
                if (!shape || shape->rect.top() != rect.top() ||
                    shape->rect.height() != rect.height() || shape->rect.left() <= rect.left() ||
                    shape->rect.left() >= rect.right())
                    continue;
                const QRectF r(shape->rect);
                if (shape->kind == SheetShape::Kind::VerticalLine) {
                    dividers.push_back(r.center().x());
                } else if (shape->kind == SheetShape::Kind::Rectangle) {
                    dividers.push_back(r.left());
                    dividers.push_back(r.right());
                }
            }
            std::sort(dividers.begin(), dividers.end());
            QVERIFY2(dividers.size() + 1 == centres.size(), qPrintable(where));
            for (size_t i = 0; i < dividers.size(); ++i) {
                QVERIFY2(centres[i] + 2 < dividers[i] && dividers[i] < centres[i + 1] - 2,
                         qPrintable(where));
            }
            // The frame of the full value is about as wide as the row was laid out.
            SheetMemo full;
            full.rect = rect;
            full.style = *style;
            full.style.autoSize = true;
            full.setLines({line});
            const double printed = SheetPainter::printedRect(full).width();
            QVERIFY2(
                std::abs(printed - rect.width()) <= 8,
                qPrintable(
                    where +
                    QStringLiteral(": %1 laid out, %2 printed").arg(rect.width()).arg(printed)));
        }
    }
    QVERIFY(rows > 40);
}

QTEST_MAIN(LayoutsTest)
#include "layouts_test.moc"
