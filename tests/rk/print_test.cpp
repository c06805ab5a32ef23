#include "rk/frmrk1.h"
#include "rk/rkprint.h"
#include "rk/support/rkcard.h"
#include "rk/support/rkfiles.h"
#include "rk/support/rkwindow.h"

#include "support/programrun.h"

#include "dialogs/consoledialogs.h"
#include "reports/compositereport.h"
#include "reports/reportpreview.h"
#include "reports/reportsheet.h"
#include "reports/sheetset.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString kCustomersMessage = u"Кількість замовників більша 1.Формується лист продовження!"_s;
const QString kCoexecutorsMessage =
    u"Кількість співвиконавців більша 3.Формується лист продовження!"_s;
const QString kStagesMessage = u"Кількість етапів більша 4.Формується лист продовження!"_s;

// A card read from its file lines, printed into the shared sheets.
struct Printed
{
    QStringList messages;
    QStringList sheets; // reference names in print order
};

Printed print(PlainCard &card, SheetSet &sheets)
{
    Printed result;
    result.messages = fillRkSheets(card.logic, sheets);
    CompositeReport report;
    report.setOnAddReports([&sheets](CompositeReport &r) { addRkReports(r, sheets); });
    const auto prepared = report.prepare();
    for (int i = 0; i < prepared->pageCount(); ++i)
        result.sheets.append(prepared->page(i).sheetName);
    return result;
}

Printed printLines(const QStringList &lines, SheetSet &sheets)
{
    PlainCard card;
    [&] { QCOMPARE(card.read(lines), QString()); }();
    return print(card, sheets);
}

// A full card with the given group sizes, with some lines replaced or added.
QStringList cardWith(int customers, int coexecutors, int stages, const QStringList &extra = {})
{
    QStringList lines = fullCardLines(customers, coexecutors, stages);
    lines.removeLast(); // the reg line stays last
    lines += extra;
    // Ends a continued text (a stage name) before the short "reg" code.
    lines.append(u"6140\\Сидоренко С.С."_s);
    lines.append(u"reg\\0105U000123\\20.03.2005"_s);
    return lines;
}

QString memoText(const ReportSheet &sheet, const char *memo)
{
    return sheet.memo(QLatin1String(memo)).text();
}

QString caption(const ReportSheet &sheet, const char *label)
{
    return sheet.label(QLatin1String(label)).caption();
}

// Dialogs that also note whether a preview window was already open when a
// message was shown.
class WatchingDialogs : public ScriptedDialogs
{
public:
    void inform(const QString &text) override
    {
        ScriptedDialogs::inform(text);
        for (QWidget *window : QApplication::topLevelWidgets())
            previewOpenAtMessage |= qobject_cast<ReportPreview *>(window) != nullptr;
    }
    bool previewOpenAtMessage = false;
};

} // namespace

class PrintTest : public QObject
{
    Q_OBJECT

private slots:
    void cellRowsOfAFullCard()
    {
        SheetSet sheets;
        printLines(cardWith(1, 1, 1), sheets);
        const TQRRk1 &page = sheets.QRRk1();
        QCOMPARE(memoText(page, "QRMemo4"), u" 0    1   0   5   U    0    0    0   1   2   3  "_s);
        QCOMPARE(memoText(page, "QRMemo2"),
                 u" 0    1    0    4    U    0    0    9   8   7   6  "_s);
        QCOMPARE(memoText(page, "QRMemo13"),
                 u"  0   1    0   4    U   0    1   2   3    4   5  "_s);
        QCOMPARE(memoText(page, "QRMemo17"), u" 0    1    .    0   5  "_s);
        QCOMPARE(memoText(page, "QRMemo23"), u" 1    2    .    0   7  "_s);
        QCOMPARE(memoText(page, "QRMemo11"), u" 0    1    2   3    4   5    6   7  "_s);
        QCOMPARE(page.memo(u"QRMemo4"_s).rect.width(), 243);
        QCOMPARE(page.memo(u"QRMemo2"_s).rect.width(), 259);
        QCOMPARE(page.memo(u"QRMemo13"_s).rect.width(), 245);
        QCOMPARE(page.memo(u"QRMemo17"_s).rect.width(), 112);

        const TQRRk2 &back = sheets.QRRk2();
        QCOMPARE(caption(back, "QRLabel15"), u"2    9   .   1   9   .   3   1 "_s);
        // Stage 1 starts 02.05, ends 02.06, report kind 91.
        QCOMPARE(memoText(back, "QRMemo17"), u" 0    2    .    0   5  "_s);
        QCOMPARE(memoText(back, "QRMemo18"), u" 0    2    .    0   6  "_s);
        QCOMPARE(memoText(back, "QRMemo19"), u" 9    1  "_s);
        QCOMPARE(memoText(back, "QRMemo24"), u"Етап номер 1: дослідження"_s);
    }

    void emptyCellRowsSpanTheirCells()
    {
        SheetSet sheets;
        // A full card first, so that the empty one must undo its widths.
        printLines(cardWith(1, 1, 1), sheets);
        printLines(newCardLines(), sheets);
        const TQRRk1 &page = sheets.QRRk1();
        const struct
        {
            const char *memo;
            int width;
        } rows[] = {{"QRMemo2", 259},  {"QRMemo4", 244},  {"QRMemo13", 244}, {"QRMemo17", 112},
                    {"QRMemo23", 112}, {"QRMemo11", 180}, {"QRMemo8", 180}};
        for (const auto &row : rows) {
            const SheetMemo &memo = page.memo(QLatin1String(row.memo));
            QCOMPARE(memo.lines(), QStringList{u" "_s});
            QCOMPARE(memo.rect.width(), row.width);
            QVERIFY(!memo.style.autoSize);
        }
        QVERIFY(!page.shape(u"QRShape74"_s).isEnabled());
        QVERIFY(!page.shape(u"QRShape71"_s).isEnabled());
        // Empty rubric codes, an empty letter date, no e-mail.
        for (const char *label :
             {"QRLabel15", "QRLabel16", "QRLabel17", "QRLabel18", "QRLabel19", "QRLabel20"})
            QCOMPARE(caption(sheets.QRRk2(), label), u"         .           .         "_s);
        QCOMPARE(caption(page, "QRLabel3"), QString());
        QCOMPARE(caption(page, "QRLabel48"), QString());
        QCOMPARE(caption(page, "QRLabel49"), QString());
        QCOMPARE(memoText(sheets.QRRk2(), "QRMemo6"), u" "_s);
        QCOMPARE(memoText(sheets.QRRk2(), "QRMemo4"), u" "_s);
    }

    void eightAndTenDigitCodes()
    {
        SheetSet sheets;
        // Customer 1 a legal person, customer 2 an individual.
        printLines(cardWith(2, 1, 1, {u"2457\\2\\1234567890"_s}), sheets);
        const TQRRk1 &page = sheets.QRRk1();
        QCOMPARE(memoText(page, "QRMemo11"), u" 1    2    3   4    5   6    7   8    9   0  "_s);
        QCOMPARE(page.memo(u"QRMemo11"_s).rect.width(), 221);
        QVERIFY(page.shape(u"QRShape74"_s).isEnabled());
        QCOMPARE(memoText(page, "QRMemo8"), u" 1    2    3   4    5   6    7   1  "_s);
        QCOMPARE(page.memo(u"QRMemo8"_s).rect.width(), 177);
        QVERIFY(!page.shape(u"QRShape71"_s).isEnabled());
        const TQRRKDopZ &more = sheets.QRRKDopZ();
        QCOMPARE(memoText(more, "QRMemo2"), u" 1    2    3   4    5   6    7   8    9   2  "_s);
        QCOMPARE(more.memo(u"QRMemo2"_s).rect.width(), 221);
        QVERIFY(more.shape(u"QRShape10"_s).isEnabled());

        printLines(cardWith(1, 1, 1, {u"2457\\1\\01234567"_s}), sheets);
        QCOMPARE(memoText(page, "QRMemo11"), u" 0    1    2   3    4   5    6   7  "_s);
        QCOMPARE(page.memo(u"QRMemo11"_s).rect.width(), 177);
        QVERIFY(!page.shape(u"QRShape74"_s).isEnabled());
    }

    void mainSheetsOnlyWhileEverythingFits()
    {
        SheetSet sheets;
        const Printed printed = printLines(cardWith(1, 3, 4), sheets);
        QCOMPARE(printed.messages, QStringList());
        QCOMPARE(printed.sheets, QStringList({u"QRRk1"_s, u"QRRk2"_s}));
        QCOMPARE(caption(sheets.QRRk1(), "QRLabel47"), u" "_s);
        QCOMPARE(memoText(sheets.QRRk2(), "QRMemo22"),
                 u"3. 12345673; Місто 3; Співвиконавець номер 3; вул. Садова, 3"_s);
        QCOMPARE(memoText(sheets.QRRk2(), "QRMemo27"), u"Етап номер 4: дослідження"_s);
    }

    void everyContinuationInItsOrder()
    {
        SheetSet sheets;
        const Printed printed = printLines(cardWith(5, 20, 15), sheets);
        QCOMPARE(printed.messages,
                 QStringList({kCustomersMessage, kCoexecutorsMessage, kStagesMessage}));
        QCOMPARE(printed.sheets,
                 QStringList({u"QRRk1"_s, u"QRRk2"_s, u"QRRKDop"_s, u"QRRKDopZ"_s, u"QRRKDopS"_s}));
        QCOMPARE(caption(sheets.QRRk1(), "QRLabel47"), u"(див.продовження)"_s);
        QCOMPARE(caption(sheets.QRRk2(), "QRLabel28"), u"(див. продовження)"_s);
        QCOMPARE(caption(sheets.QRRk2(), "QRLabel13"), u"(див. продовження)"_s);
        for (const ReportSheet *sheet : {static_cast<const ReportSheet *>(&sheets.QRRKDopZ()),
                                         static_cast<const ReportSheet *>(&sheets.QRRKDopS())})
            QCOMPARE(caption(*sheet, "QRLabel1"), u"\"Продовження\""_s);
        QCOMPARE(caption(sheets.QRRKDop(), "QRLabel9"), u"\"Продовження\""_s);

        const TQRRKDopZ &customers = sheets.QRRKDopZ();
        QCOMPARE(memoText(customers, "QRMemo1"), u"Дослідження напівпровідникових структур"_s);
        QCOMPARE(memoText(customers, "QRMemo12"), u"Замовник номер 5 «Ґудзик»"_s);
        QCOMPARE(memoText(customers, "QRMemo13"), u"вул. Їжакова, 5"_s);
        QCOMPARE(memoText(sheets.QRRk1(), "QRMemo22"), u"Замовник номер 1 «Ґудзик»"_s);

        const TQRRKDopS &coexecutors = sheets.QRRKDopS();
        QCOMPARE(memoText(coexecutors, "QRMemo1"), u"Дослідження напівпровідникових структур"_s);
        QCOMPARE(memoText(coexecutors, "QRMemo2"),
                 u"4. 1234567894; Місто 4; Співвиконавець номер 4; вул. Садова, 4"_s);
        QCOMPARE(memoText(coexecutors, "QRMemo13"),
                 u"15. 12345675; Місто 15; Співвиконавець номер 15; вул. Садова, 15"_s);
        QCOMPARE(memoText(coexecutors, "QRMemo18"),
                 u"20. 1234567890; Місто 20; Співвиконавець номер 20; вул. Садова, 20"_s);

        const TQRRKDop &stages = sheets.QRRKDop();
        QCOMPARE(memoText(stages, "QRMemo17"), u" 0    6    .    0   5  "_s);
        QCOMPARE(memoText(stages, "QRMemo24"), u"Етап номер 5: дослідження"_s);
        QCOMPARE(memoText(stages, "QRMemo3"), u"Етап номер 9: дослідження"_s);
        QCOMPARE(memoText(stages, "QRMemo44"), u"Етап номер 15: дослідження"_s);
    }

    void continuationEdges()
    {
        SheetSet sheets;
        // A second customer without a code: nothing continues.
        Printed printed = printLines(
            cardWith(1, 3, 4, {u"2458\\2\\1\\        \\Київ\\Без коду\\вул. Тиха, 2"_s}), sheets);
        QCOMPARE(printed.messages, QStringList());
        QCOMPARE(printed.sheets, QStringList({u"QRRk1"_s, u"QRRk2"_s}));
        QCOMPARE(caption(sheets.QRRk1(), "QRLabel47"), u" "_s);
        QCOMPARE(memoText(sheets.QRRKDopZ(), "QRMemo3"), u"Без коду"_s);

        // A second customer with a code, and five stages: the customer page
        // comes after the stage page.
        printed = printLines(cardWith(2, 3, 5), sheets);
        QCOMPARE(printed.messages, QStringList({kCustomersMessage, kStagesMessage}));
        QCOMPARE(printed.sheets,
                 QStringList({u"QRRk1"_s, u"QRRk2"_s, u"QRRKDop"_s, u"QRRKDopZ"_s}));

        // A second customer without a code before a third with one: the
        // page continues, each in its own row.
        printed = printLines(cardWith(1, 3, 4,
                                      {u"2458\\2\\1\\        \\Київ\\Без коду\\вул. Тиха, 2"_s,
                                       u"2458\\3\\1\\87654321\\Суми\\З кодом\\вул. Липова, 3"_s}),
                             sheets);
        QCOMPARE(printed.messages, QStringList({kCustomersMessage}));
        QCOMPARE(printed.sheets, QStringList({u"QRRk1"_s, u"QRRk2"_s, u"QRRKDopZ"_s}));
        QCOMPARE(memoText(sheets.QRRKDopZ(), "QRMemo3"), u"Без коду"_s);
        QCOMPARE(memoText(sheets.QRRKDopZ(), "QRMemo6"), u"З кодом"_s);

        // A fifth stage without a start still brings the stage page, with the
        // stages after it.
        printed = printLines(cardWith(1, 3, 4,
                                      {u"9036\\5\\  .  \\03.06\\91\\Без початку"_s,
                                       u"9036\\6\\04.06\\05.06\\91\\Шостий"_s}),
                             sheets);
        QCOMPARE(printed.messages, QStringList({kStagesMessage}));
        QCOMPARE(printed.sheets, QStringList({u"QRRk1"_s, u"QRRk2"_s, u"QRRKDop"_s}));
        QCOMPARE(caption(sheets.QRRk2(), "QRLabel13"), u"(див. продовження)"_s);
        QCOMPARE(memoText(sheets.QRRKDop(), "QRMemo24"), u"Без початку"_s);
        QCOMPARE(memoText(sheets.QRRKDop(), "QRMemo5"), u"Шостий"_s);
        QCOMPARE(memoText(sheets.QRRKDop(), "QRMemo17"), u" "_s);
        QCOMPARE(memoText(sheets.QRRKDop(), "QRMemo18"), u" 0    3    .    0   6  "_s);

        // A fourth co-executor: its page is printed last.
        printed = printLines(cardWith(1, 4, 4), sheets);
        QCOMPARE(printed.messages, QStringList({kCoexecutorsMessage}));
        QCOMPARE(printed.sheets, QStringList({u"QRRk1"_s, u"QRRk2"_s, u"QRRKDopS"_s}));
    }

    void financeAndHead()
    {
        SheetSet sheets;
        printLines(cardWith(1, 1, 1), sheets);
        const TQRRk1 &page = sheets.QRRk1();
        // Row 1 (7713) keeps a blank, row 3 (7722) none; row 2's code 7705
        // prints nothing.
        QCOMPARE(caption(page, "QRLabel32"), u"120,5 тис.грн."_s);
        QCOMPARE(caption(page, "QRLabel22"), u"15євро"_s);
        QCOMPARE(caption(page, "QRLabel31"), QString());
        QCOMPARE(caption(page, "QRLabel3"), u"17/2-45; 15.03.05"_s);
        QCOMPARE(caption(page, "QRLabel48"), u"E-mail"_s);
        QCOMPARE(caption(page, "QRLabel49"), u"office@example.ua"_s);
        QCOMPARE(memoText(page, "QRMemo26"), u"1. Дослідження напівпровідникових структур\n\n"
                                             "2. Исследование полупроводниковых структур\n\n"
                                             "3. Study of semiconductor structures\n"_s);
        QCOMPARE(memoText(sheets.QRRk2(), "QRMemo6"),
                 u"1. Іваненко Іван Іванович, 2. Иваненко Иван Иванович, 3. Ivanenko Ivan"_s);

        // The same code in two rows: the later one wins.
        QStringList lines = cardWith(1, 1, 1);
        lines.replace(lines.indexOf(u"7722\\євро\\15"_s), u"7713\\євро\\9"_s);
        printLines(lines, sheets);
        QCOMPARE(caption(page, "QRLabel32"), u"9євро"_s);
        QCOMPARE(caption(page, "QRLabel22"), QString());
    }

    void entriesAfterAGapArePrinted()
    {
        SheetSet sheets;
        PlainCard card;
        QCOMPARE(card.read(cardWith(1, 0, 0)), QString());
        for (const int n : {1, 2, 3, 5}) {
            const QString entry = u"%1\\Юридична особа\\1111111%1\\Місто\\Спів %1\\Адреса"_s.arg(n);
            card.logic.storeEntry(RkCardData::Group::Coexecutors, n, entry, entry);
        }
        for (const int n : {1, 3}) {
            const QString entry = u"%1\\01.05\\02.05\\91\\Етап %1"_s.arg(n);
            card.logic.storeEntry(RkCardData::Group::Stages, n, entry, entry);
        }
        const Printed printed = print(card, sheets);
        QCOMPARE(printed.messages, QStringList({kCoexecutorsMessage}));
        QCOMPARE(memoText(sheets.QRRk2(), "QRMemo5"), u"Етап 3"_s);
        QCOMPARE(memoText(sheets.QRRKDopS(), "QRMemo2"), u"4. 11111115; Місто; Спів 5; Адреса"_s);
    }

    void nothingOfThePreviousCard()
    {
        SheetSet sheets;
        printLines(cardWith(5, 20, 15), sheets);
        const Printed printed = printLines(newCardLines(), sheets);
        QCOMPARE(printed.messages, QStringList());
        QCOMPARE(printed.sheets, QStringList({u"QRRk1"_s, u"QRRk2"_s}));
        // Whatever any RK sheet holds now, nothing comes from card A.
        const QStringList fromA = {u"Замовник"_s, u"Співвиконавець"_s, u"Етап"_s,    u"Інститут"_s,
                                   u"ІФН"_s,      u"1234567"_s,        u"0105"_s,    u"Петренко"_s,
                                   u"Іваненко"_s, u"120,5"_s,          u"євро"_s,    u"29.19"_s,
                                   u"(див"_s,     u"Продовження"_s,    u"Дослідж"_s, u"office"_s};
        for (const ReportSheet *sheet : {static_cast<const ReportSheet *>(&sheets.QRRk1()),
                                         static_cast<const ReportSheet *>(&sheets.QRRk2()),
                                         static_cast<const ReportSheet *>(&sheets.QRRKDop()),
                                         static_cast<const ReportSheet *>(&sheets.QRRKDopZ()),
                                         static_cast<const ReportSheet *>(&sheets.QRRKDopS())}) {
            for (const SheetItem &item : sheet->items()) {
                QString text;
                if (const auto *label = std::get_if<SheetLabel>(&item))
                    text = label->caption();
                else if (const auto *memo = std::get_if<SheetMemo>(&item))
                    text = memo->text();
                for (const QString &value : fromA) {
                    if (text.contains(value) && !text.startsWith(u"9036"_s))
                        QFAIL(qPrintable(sheet->objectName() + u" "_s + itemName(item) + u": "_s +
                                         text));
                }
            }
        }
    }

    void printFromTheWindow()
    {
        RkWindow rk;
        WatchingDialogs dialogs;
        rk.open(cardBytes(cardWith(2, 4, 5)));
        rk.forgetMessages();
        dialogs.install();
        rk.window()->N8Click();
        QCOMPARE(dialogs.texts(),
                 QStringList({kCustomersMessage, kCoexecutorsMessage, kStagesMessage}));
        QVERIFY(!dialogs.previewOpenAtMessage);
        QPointer<ReportPreview> preview;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *shown = qobject_cast<ReportPreview *>(window))
                preview = shown;
        }
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->report().pageCount(), 5);
        QCOMPARE(preview->report().page(3).sheetName, u"QRRKDopZ"_s);
        // "Зберегти як PDF" offers the card's own name.
        QCOMPARE(preview->pdfName(), rk.path(u"card.pdf"_s));

        // The PDF holds the same pages; an unwritable path writes nothing.
        dialogs.clear();
        const QString pdf = rk.path(u"card.pdf"_s);
        QVERIFY(rk.window()->printToPdf(pdf));
        QCOMPARE(ProgramRun::pdfPageCount(pdf), 5);
        QCOMPARE(dialogs.texts().size(), 3);
        dialogs.clear();
        const QString nowhere = rk.path(u"missing/card.pdf"_s);
        QVERIFY(!rk.window()->printToPdf(nowhere));
        QVERIFY(!QFile::exists(nowhere));
        QCOMPARE(dialogs.texts().size(), 4);
        QVERIFY(dialogs.texts().last().contains(nowhere));

        // The preview stays open with its pages when the editor closes.
        delete rk.window();
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->report().pageCount(), 5);
        delete preview;
    }

    // What the command line's pdf task runs: a hidden editor opens the card
    // with console dialogs and prints it to the file; the notices go to the
    // error stream as they are.
    void pdfOfAHiddenEditor()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const struct
        {
            QStringList card;
            int pages;
            QStringList notices;
        } cases[] = {
            {cardWith(1, 3, 4), 2, {}},
            {cardWith(2, 3, 4), 3, {kCustomersMessage}},
            {cardWith(5, 20, 15), 5, {kCustomersMessage, kCoexecutorsMessage, kStagesMessage}},
            {newCardLines(), 2, {}},
        };
        for (const auto &c : cases) {
            const QString card = folder.filePath(u"card.txt"_s);
            QFile file(card);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(cardBytes(c.card));
            file.close();
            const QString pdf = folder.filePath(u"card.pdf"_s);
            QFile::remove(pdf);

            std::FILE *errors = std::tmpfile();
            QVERIFY(errors);
            bool printed = false;
            {
                ConsoleDialogs console(errors);
                console.setOpenPath(card);
                Dialogs *previous = setDialogs(&console);
                TfrmRK1 window;
                printed = window.open() && window.printToPdf(pdf);
                setDialogs(previous);
            }
            std::rewind(errors);
            QByteArray written;
            char buffer[512];
            for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, errors)) > 0;)
                written.append(buffer, qsizetype(n));
            std::fclose(errors);

            QVERIFY(printed);
            QCOMPARE(ProgramRun::pdfPageCount(pdf), c.pages);
            QStringList notices = QString::fromUtf8(written).split(u'\n', Qt::SkipEmptyParts);
            QCOMPARE(notices, c.notices);
        }
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
