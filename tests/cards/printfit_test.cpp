#include "cards/cardeditors.h"
#include "cards/support/cardsofkinds.h"
#include "dialogs/scripteddialogs.h"
#include "editing/carddocument.h"
#include "frame/editorregistry.h"
#include "reports/preparedreport.h"
#include "reports/reportfont.h"
#include "reports/sheetpainter.h"
#include "reports/textfit.h"
#include "support/cardfiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <span>

using namespace Qt::StringLiterals;

namespace {

// The length a clerk's value of a field reaches: every piece of the field's
// card lines that holds words gets a text of this length. `room` marks the
// long texts whose boxes the form gives a number of characters: those print
// at their normal size.
struct FieldLength
{
    const char *code;
    int length;
    bool room = false;
    // For lines of several worded pieces (a co-executor's city, name and
    // address): each piece's own length, in order.
    std::array<int, 3> pieces = {};
};

// A co-executor: a city, an organisation's name and its address.
constexpr std::array<int, 3> kCoexecutor = {40, 160, 160};

const FieldLength kRkFields[] = {
    {"2151", 160}, {"2358", 80},  {"2655", 160},
    {"1332", 80},  {"2458", 160}, {"2142", 160, false, kCoexecutor},
    {"9036", 250}, {"9027", 250}, {"9126", 500},
    {"9153", 700}, {"6111", 80},  {"6120", 80},
    {"6140", 80},  {"6210", 40},  {"6228", 40},
    {"7020", 40},  {"7021", 40},  {"7022", 40},
    {"5274", 40},  {"5634", 40},  {"2394", 40},
};
const FieldLength kOkFields[] = {
    {"2151", 160}, {"2358", 80},         {"2655", 160},
    {"1332", 80},  {"2153", 160},        {"2360", 80},
    {"2657", 160}, {"1333", 80},         {"5518", 40},
    {"7020", 40},  {"7021", 40},         {"7022", 40},
    {"9036", 250}, {"9027", 250},        {"9117", 1500, true},
    {"5635", 500}, {"5481", 1640, true}, {"2142", 160, false, kCoexecutor},
    {"6140", 80},  {"5634", 40},         {"6111", 80},
    {"6210", 40},  {"6120", 80},         {"6228", 40},
    {"2394", 40},  {"2395", 40},         {"5526", 130},
};
const FieldLength kOkdFields[] = {
    {"6147", 80},         {"7425", 40},  {"6480", 40},  {"7020", 40},  {"7021", 40},  {"9045", 250},
    {"9118", 9000, true}, {"7452", 40},  {"1334", 80},  {"2304", 160}, {"2637", 160}, {"3330", 160},
    {"3276", 160},        {"2187", 160}, {"2781", 160}, {"2196", 160}, {"2790", 160}, {"6156", 80},
    {"6165", 80},         {"5634", 40},  {"6174", 80},  {"6140", 80},  {"6273", 40},
};

enum class Letters { Ordinary, Widest, FarBeyond };

// `length` characters of words: ordinary Ukrainian words (names and
// addresses, or the long words of a scientific text that fills a room of
// the form), words of the widest letter, or ordinary words four times as
// long a text.
QString wordsOf(int length, Letters letters, bool scientific)
{
    static const QString names =
        u"Інститут фізики напівпровідників імені В. Є. Лашкарьова Національної "
        "академії наук України, просп. Науки, 41, м. Київ, 03028. "_s;
    static const QString science =
        u"Метою роботи є розроблення методів оцінювання теплових втрат у "
        "багатошарових конструкціях будівель. Методи дослідження: статистичний "
        "аналіз, математичне моделювання та натурні вимірювання. "_s;
    const QString &ordinary = scientific ? science : names;
    const QString source = letters == Letters::Widest ? u"ЩШЖЮМ ЩШЖЮ ЖШЩЮМШ "_s : ordinary;
    const int wanted = letters == Letters::FarBeyond ? 4 * length : length;
    return source.repeated(wanted / int(source.size()) + 1).left(wanted).trimmed();
}

std::span<const FieldLength> fieldsOf(CardKind kind)
{
    switch (kind) {
    case CardKind::RK:
        return kRkFields;
    case CardKind::OK:
        return kOkFields;
    case CardKind::OKD:
        break;
    }
    return kOkdFields;
}

const FieldLength *lengthOf(CardKind kind, const QString &code)
{
    for (const FieldLength &field : fieldsOf(kind)) {
        if (code == QLatin1String(field.code))
            return &field;
    }
    return nullptr;
}

// The full card with every piece in words of the listed fields lengthened.
QStringList lengthened(CardKind kind, Letters letters)
{
    static const QRegularExpression word(u"\\p{L}"_s);
    QStringList lines = fullCardOf(kind);
    for (QString &line : lines) {
        QStringList pieces = line.split(u'\\');
        const FieldLength *field = lengthOf(kind, pieces.first());
        if (!field)
            continue;
        size_t worded = 0;
        for (qsizetype i = 1; i < pieces.size(); ++i) {
            if (!pieces[i].contains(word))
                continue;
            const int piece = worded < field->pieces.size() ? field->pieces[worded++] : 0;
            pieces[i] = wordsOf(piece ? piece : field->length, letters, field->room);
        }
        line = pieces.join(u'\\');
    }
    return lines;
}

struct Printed
{
    QStringList notices;
    std::shared_ptr<const PreparedReport> pages;
};

Printed print(CardKind kind, const QStringList &lines)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(u"card.txt"_s));
    if (!file.open(QIODevice::WriteOnly) || file.write(cardBytes(lines)) < 0)
        qFatal("the card file cannot be written");
    file.close();
    ScriptedDialogs dialogs;
    Dialogs *previous = setDialogs(&dialogs);
    Printed printed;
    std::unique_ptr<CardDocument> document = createDocument(kind);
    if (document && document->read(file.fileName()))
        printed.pages = document->printedPages();
    printed.notices = dialogs.texts();
    setDialogs(previous);
    return printed;
}

QString notice(const QString &field)
{
    return u"Поле %1 не вміщується у форму: частину тексту не надруковано !"_s.arg(field);
}

QString printedChars(const QStringList &lines)
{
    return lines.join(QString()).remove(u' ').remove(u'\n');
}

struct TextItem
{
    QString name, field, text;
    const TextStyle *style;
};

TextItem textItem(const SheetItem &item)
{
    if (const auto *label = std::get_if<SheetLabel>(&item))
        return {label->name, label->field, label->caption(), &label->style};
    if (const auto *memo = std::get_if<SheetMemo>(&item))
        return {memo->name, memo->field, memo->lines().join(u'\n'), &memo->style};
    return {};
}

// Where a laid-out text leaves its rectangle, or nothing.
QString outsideRect(const textfit::FittedText &fitted)
{
    const ReportFont font(fitted.font);
    const double width = fitted.rect.width() - 2 * textfit::kTextInset;
    for (const QString &line : fitted.lines) {
        if (textfit::inkWidth(font, line) > width + 0.01)
            return u"the line \"%1\" is wider than %2"_s.arg(line).arg(width);
    }
    const double height = textfit::kTextInset + fitted.lines.size() * font.lineHeight();
    if (fitted.lines.size() > 1 && height > fitted.rect.height() + textfit::kBottomTolerance)
        return u"%1 lines are higher than %2"_s.arg(fitted.lines.size()).arg(fitted.rect.height());
    return {};
}

// Where a laid-out text puts ink: a rectangle around each drawn line, one
// line high; none for blank lines.
std::vector<QRectF> inkOf(const textfit::FittedText &fitted, const TextStyle &style)
{
    const ReportFont font(fitted.font);
    const QRectF &r = fitted.rect;
    const double top = r.top() + textfit::kTextInset;
    std::vector<QRectF> ink;
    if (!fitted.cellChars.trimmed().isEmpty()) {
        ink.emplace_back(r.left(), top, r.width(), font.lineHeight());
        return ink;
    }
    for (qsizetype i = 0; i < fitted.lines.size(); ++i) {
        if (!fitted.lines.at(i).trimmed().isEmpty())
            ink.push_back(SheetPainter::lineBox(fitted, style, font, i));
    }
    return ink;
}

// Where two texts' ink overlaps, or nothing. A line's box holds room for
// accents above capitals and for descenders; neighbouring boxes of the
// form may share up to 3 pixels of it.
std::optional<QRectF> overlap(const std::vector<QRectF> &a, const std::vector<QRectF> &b)
{
    for (const QRectF &x : a) {
        for (const QRectF &y : b) {
            const QRectF common = x.intersected(y);
            if (common.width() > 1 && common.height() > 3)
                return common;
        }
    }
    return std::nullopt;
}

// A printed caption of a field, such as "7199. Науковий напрям".
bool isFieldCaption(const TextItem &item)
{
    static const QRegularExpression caption(u"^\\d{4}\\. ?\\p{Lu}"_s);
    return item.text.contains(caption);
}

// The width between a page's left and right margins, in layout pixels.
double printableWidth(const PageFormat &format)
{
    return PageFormat::paperPixels().width() -
           (format.marginsMm.left() + format.marginsMm.right()) * PageFormat::kPixelsPerMm;
}

} // namespace

class PrintFitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerCardEditors(); }

    // Every box of the three cards filled with the lengths real values take:
    // in ordinary words every character prints inside the box; in the widest
    // letters a box either shows its whole text or its field is named; far
    // beyond, the box ends with "…" and its field is named. A notice is only
    // ever given for a field that was cut, and no text prints over another.
    void valuesPrintWholeOrAreNamed_data()
    {
        QTest::addColumn<CardKind>("kind");
        QTest::addColumn<Letters>("letters");
        for (const CardKind kind : {CardKind::RK, CardKind::OK, CardKind::OKD}) {
            for (const auto &[name, letters] :
                 {std::pair{"ordinary", Letters::Ordinary}, std::pair{"widest", Letters::Widest},
                  std::pair{"far beyond", Letters::FarBeyond}}) {
                QTest::addRow("%s %s", qPrintable(defaultCardName(kind)), name) << kind << letters;
            }
        }
    }

    void valuesPrintWholeOrAreNamed()
    {
        QFETCH(CardKind, kind);
        QFETCH(Letters, letters);
        const Printed printed = print(kind, lengthened(kind, letters));
        QVERIFY(printed.pages);
        QStringList faults;
        QStringList cutFields;
        for (int p = 0; p < printed.pages->pageCount(); ++p) {
            const PreparedPage &page = printed.pages->page(p);
            std::vector<std::pair<QString, std::vector<QRectF>>> inks;
            for (size_t i = 0; i < page.items.size(); ++i) {
                const TextItem item = textItem(page.items[i]);
                const FieldLength *field = lengthOf(kind, item.field);
                if (!item.style || !page.texts[i])
                    continue;
                const textfit::FittedText &fitted = *page.texts[i];
                const QString where =
                    page.sheetName + u'.' + item.name + u" ("_s + item.field + u')';
                if (const QString outside = outsideRect(fitted); !outside.isEmpty())
                    faults.append(where + u": "_s + outside);
                if (isFieldCaption(item) && fitted.font.pixels != item.style->font.pixels)
                    faults.append(where + u": its caption is shrunk"_s);
                if (fitted.rect.right() > printableWidth(page.format) + 0.5)
                    faults.append(where + u": reaches into the right margin"_s);
                // An opaque item is meant to cover what lies beneath.
                std::vector<QRectF> ink = inkOf(fitted, *item.style);
                for (const auto &[other, otherInk] : inks) {
                    if (const auto common = overlap(ink, otherInk); common && !item.style->opaque)
                        faults.append(u"%1: prints over %2 at %3,%4 (%5 × %6)"_s.arg(where, other)
                                          .arg(common->x())
                                          .arg(common->y())
                                          .arg(common->width())
                                          .arg(common->height()));
                }
                inks.emplace_back(where, std::move(ink));
                if (fitted.cut) {
                    cutFields.append(item.field);
                    if (!printed.notices.contains(notice(item.field)))
                        faults.append(where + u": cut without a notice"_s);
                    if (!fitted.lines.last().endsWith(u'…'))
                        faults.append(where + u": cut without \"…\""_s);
                } else if (printedChars(fitted.lines) != printedChars({item.text})) {
                    faults.append(where + u": not every character is drawn"_s);
                }
                if (!field)
                    continue;
                if (letters == Letters::Ordinary && fitted.cut)
                    faults.append(where + u": ordinary text is cut"_s);
                if (letters == Letters::Ordinary && field->room &&
                    fitted.font.pixels != item.style->font.pixels)
                    faults.append(where + u": its room of text is shrunk"_s);
            }
        }
        for (const QString &shown : printed.notices) {
            const QString field = shown.section(u' ', 1, 1);
            if (shown.startsWith(u"Поле "_s) && !cutFields.contains(field))
                faults.append(u"notice for %1, which was not cut"_s.arg(field));
        }
        if (letters == Letters::FarBeyond && cutFields.isEmpty())
            faults.append(u"texts far beyond their boxes are printed without a notice"_s);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"\n"_s)));
    }

    // Every character of a row of cells, filled or showing the points of an
    // empty code, prints inside its own cell, clear of the dividers.
    void cellCharactersStayInTheirCells_data()
    {
        QTest::addColumn<CardKind>("kind");
        QTest::addColumn<bool>("full");
        for (const CardKind kind : {CardKind::RK, CardKind::OK, CardKind::OKD}) {
            QTest::addRow("%s empty", qPrintable(defaultCardName(kind))) << kind << false;
            QTest::addRow("%s full", qPrintable(defaultCardName(kind))) << kind << true;
        }
    }

    void cellCharactersStayInTheirCells()
    {
        QFETCH(CardKind, kind);
        QFETCH(bool, full);
        const Printed printed = print(kind, full ? fullCardOf(kind) : newCardOf(kind));
        QVERIFY(printed.pages);
        QStringList faults;
        int points = 0;
        for (int p = 0; p < printed.pages->pageCount(); ++p) {
            const PreparedPage &page = printed.pages->page(p);
            for (size_t i = 0; i < page.items.size(); ++i) {
                const TextItem item = textItem(page.items[i]);
                if (!item.style || !page.texts[i] || page.texts[i]->cellChars.isEmpty())
                    continue;
                const textfit::FittedText &fitted = *page.texts[i];
                const std::vector<double> &dividers = item.style->cellDividers;
                const ReportFont font(fitted.font);
                for (qsizetype c = 0; c < fitted.cellChars.size(); ++c) {
                    const QChar ch = fitted.cellChars.at(c);
                    if (ch == u' ' || c >= qsizetype(dividers.size()) + 1)
                        continue;
                    points += ch == u'.';
                    const double left = c == 0 ? 0 : dividers[size_t(c - 1)];
                    const double right =
                        c < qsizetype(dividers.size()) ? dividers[size_t(c)] : fitted.rect.width();
                    const double from = fitted.cellLefts[size_t(c)];
                    const double to = from + font.advance(ch);
                    if (from < left + 1 || to > right - 1)
                        faults.append(u"%1.%2: «%3» at %4-%5 outside its cell %6-%7"_s
                                          .arg(page.sheetName, item.name, ch)
                                          .arg(from)
                                          .arg(to)
                                          .arg(left)
                                          .arg(right));
                }
            }
        }
        QVERIFY(points > 0);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"\n"_s)));
    }

    // The clerk hears of continuation sheets first, then of every field that
    // did not fit, each once.
    void continuationNoticesComeFirst()
    {
        const Printed printed = print(CardKind::OK, lengthened(CardKind::OK, Letters::FarBeyond));
        const QStringList &shown = printed.notices;
        const auto firstCut = std::find_if(shown.cbegin(), shown.cend(), [](const QString &text) {
            return text.startsWith(u"Поле "_s);
        });
        QVERIFY(firstCut != shown.cend());
        QVERIFY(shown.contains(u"Для реферату формується лист продовження !"_s));
        QVERIFY(std::all_of(firstCut, shown.cend(),
                            [](const QString &text) { return text.startsWith(u"Поле "_s); }));
        QCOMPARE(QSet<QString>(firstCut, shown.cend()).size(), int(shown.cend() - firstCut));
        QVERIFY(shown.contains(notice(u"1332"_s)));
    }
};

QTEST_MAIN(PrintFitTest)
#include "printfit_test.moc"
