#include "ok/frmok.h"
#include "ok/okprint.h"
#include "ok/support/okfiles.h"
#include "ok/support/okwindow.h"

#include "support/programrun.h"

#include "dialogs/scripteddialogs.h"
#include "reports/compositereport.h"
#include "reports/reportpreview.h"
#include "reports/reportsheet.h"
#include "reports/sheetset.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kDescriptionMessage = u"Для бібліографічного опису формується лист продовження !"_s;
const QString kCoexecutorsMessage = u"Для співвиконавців формується лист продовження !"_s;
const QString kAbstractMessage = u"Для реферату формується лист продовження !"_s;
const QString kAbstractLost = u"Реферат не вміщується у форму: частину тексту не надруковано !"_s;

// `base` with each of `lines` put in place of the first line that starts
// like it (its code, and for language lines its number), or added at the end.
QStringList cardWith(QStringList base, const QStringList &lines)
{
    for (const QString &line : lines) {
        const QString key = line.section(u'\\', 0, line.startsWith(u"9117"_s) ? 1 : 0) + u'\\';
        const qsizetype at =
            base.indexOf(QRegularExpression(u"^"_s + QRegularExpression::escape(key) + u".*"_s));
        if (at >= 0 && !line.startsWith(u"2142"_s))
            base[at] = line;
        else
            base.append(line);
    }
    return base;
}

// Words of five letters and a blank: "слово слово ...", `length` long.
QString words(qsizetype length)
{
    return u"слово "_s.repeated(length / 6 + 1).left(length);
}

QString coexecutor(int number)
{
    return u"2142\\%1\\1\\%2\\Місто\\Співвиконавець %1\\Адреса %1"_s.arg(number).arg(30000000 +
                                                                                     number);
}

struct Printed
{
    QStringList messages;
    QStringList sheets; // reference names in print order
};

Printed print(const QStringList &lines, SheetSet &sheets)
{
    // A hidden editor, as the command line prints.
    QTemporaryDir folder;
    QFile file(folder.filePath(u"card.txt"_s));
    if (!file.open(QIODevice::WriteOnly) || file.write(cardBytes(lines)) < 0)
        qFatal("the card file cannot be written");
    file.close();
    ScriptedDialogs dialogs;
    Dialogs *previous = setDialogs(&dialogs);
    Printed result;
    {
        TfrmOK window;
        window.readCard(file.fileName());
        result.messages = fillOkSheets(window.logic(), sheets);
    }
    setDialogs(previous);
    CompositeReport report;
    report.setOnAddReports([&sheets](CompositeReport &r) { addOkReports(r, sheets); });
    const auto prepared = report.prepare();
    for (int i = 0; i < prepared->pageCount(); ++i)
        result.sheets.append(prepared->page(i).sheetName);
    return result;
}

QString textOf(const SheetSet &sheets, const QString &sheet, const QString &item)
{
    const ReportSheet *page = sheets.sheet(sheet);
    return page->item(item) && std::holds_alternative<SheetLabel>(*page->item(item))
               ? page->label(item).caption()
               : page->memo(item).text();
}

const QStringList kMainSheets = {u"QROk1"_s, u"QROk2"_s};

} // namespace

class PrintTest : public QObject
{
    Q_OBJECT

private slots:
    void sheetsAndNotices_data()
    {
        QTest::addColumn<QStringList>("card");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("sheets");
        const QStringList fresh = newOkCardLines();
        QTest::newRow("empty") << fresh << QStringList() << kMainSheets;
        QTest::newRow("two co-executors, no texts")
            << cardWith(fresh, {coexecutor(1), coexecutor(2)}) << QStringList() << kMainSheets;
        QTest::newRow("description of 160")
            << cardWith(fresh, {u"5481\\"_s + words(160)}) << QStringList() << kMainSheets;
        QTest::newRow("description of 161")
            << cardWith(fresh, {u"5481\\"_s + words(161)}) << QStringList{kDescriptionMessage}
            << kMainSheets + QStringList{u"QRDop1"_s};
        QTest::newRow("three co-executors")
            << cardWith(fresh, {coexecutor(1), coexecutor(2), coexecutor(3)})
            << QStringList{kCoexecutorsMessage} << kMainSheets + QStringList{u"QROK3"_s};
        // Behind a gap, a co-executor still forms the page.
        QTest::newRow("co-executor 7 alone")
            << cardWith(fresh, {coexecutor(7)}) << QStringList{kCoexecutorsMessage}
            << kMainSheets + QStringList{u"QROK3"_s};
        QTest::newRow("abstract told though it fits")
            << cardWith(fresh, {u"9117\\1\\"_s + words(1140)}) << QStringList{kAbstractMessage}
            << kMainSheets;
        QTest::newRow("three abstracts of 500")
            << cardWith(fresh, {u"9117\\1\\"_s + words(500), u"9117\\2\\"_s + words(500),
                                u"9117\\3\\"_s + words(500)})
            << QStringList{kAbstractMessage} << kMainSheets + QStringList{u"QRDop"_s};
        QTest::newRow("abstract beyond every box")
            << cardWith(fresh, {u"9117\\1\\"_s + words(3000), u"9117\\2\\"_s + words(3000),
                                u"9117\\3\\"_s + words(30)})
            << QStringList{kAbstractMessage, kAbstractLost}
            << kMainSheets + QStringList{u"QRDop"_s};
        QTest::newRow("everything, notices in order")
            << cardWith(fullOkCardLines(),
                        {u"5481\\"_s + words(2000), u"9117\\1\\"_s + words(2000)})
            << QStringList{kDescriptionMessage, kCoexecutorsMessage, kAbstractMessage}
            << kMainSheets + QStringList{u"QRDop"_s, u"QRDop1"_s, u"QROK3"_s};
    }

    void sheetsAndNotices()
    {
        QFETCH(QStringList, card);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, sheets);
        SheetSet set;
        // A card with every continuation first: the next run must undo it.
        print(cardWith(fullOkCardLines(), {u"5481\\"_s + words(2000)}), set);
        const Printed printed = print(card, set);
        QCOMPARE(printed.messages, messages);
        QCOMPARE(printed.sheets, sheets);
    }

    void textsAreCutAfterABlank()
    {
        SheetSet set;
        const QString e = words(500);
        print(cardWith(newOkCardLines(), {u"5481\\"_s + words(161), u"9117\\1\\"_s + words(500),
                                          u"9117\\2\\"_s + words(500), u"9117\\3\\"_s + e}),
              set);
        // The description's first 160 characters end after the blank at 156.
        QCOMPARE(set.QROk2().memo(u"QRMemo17"_s).text(), words(156));
        QCOMPARE(set.QRDop1().memo(u"QRMemo1"_s).text(), words(161).mid(156));
        QCOMPARE(set.QROk2().label(u"QRLabel32"_s).caption(), u"(див. продовження)"_s);
        QCOMPARE(set.QRDop1().label(u"QRLabel2"_s).caption(), u"5481 Бібліографічний опис "_s);
        // U and R whole, E cut after its last blank within the 214 left.
        const QString eOnPage = (u"3. "_s + e).left(213);
        QCOMPARE(set.QROk2().memo(u"QRMemo3"_s).lines(),
                 (QStringList{u"1. "_s + words(500), u"2. "_s + words(500), eOnPage}));
        QVERIFY(eOnPage.endsWith(u' '));
        QCOMPARE(set.QRDop().memo(u"QRMemo1"_s).lines(), QStringList{(u"3. "_s + e).mid(213)});
        QCOMPARE(set.QRDop().memo(u"QRMemo2"_s).lines(), QStringList{u" "_s});
        QCOMPARE(set.QRDop().label(u"QRLabel1"_s).caption(), u"\"Продовження\""_s);
        QCOMPARE(set.QRDop().memo(u"QRMemo3"_s).lines(),
                 (QStringList{u"9027 Назва роботи"_s, u"1. "_s}));
    }

    void coexecutorsUnderTheirNumbers()
    {
        SheetSet set;
        print(cardWith(newOkCardLines(),
                       {coexecutor(1), u"2142\\2\\1\\        \\\\\\"_s, coexecutor(5)}),
              set);
        QCOMPARE(set.QROk2().memo(u"QRMemo5"_s).lines(),
                 (QStringList{u"1. 30000001; Співвиконавець 1; Адреса 1"_s, u"2. "_s}));
        QCOMPARE(set.QROk2().label(u"QRLabel33"_s).caption(), u"див.доповнення"_s);
        const TQROK3 &more = set.QROK3();
        QCOMPARE(more.memo(u"QRMemo2"_s).lines(), (QStringList{u" "_s, u"3. "_s}));
        QCOMPARE(more.memo(u"QRMemo4"_s).lines(),
                 (QStringList{u" "_s, u"5. 30000005; Співвиконавець 5; Адреса 5"_s}));
        QCOMPARE(more.memo(u"QRMemo19"_s).lines(), (QStringList{u" "_s, u"20. "_s}));
        QCOMPARE(more.memo(u"QRMemo22"_s).lines(), QStringList{u" "_s});
        QCOMPARE(more.label(u"QRLabel1"_s).caption(), u"Продовження"_s);
    }

    void itemTexts_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width"); // 0: not checked
        const auto row = [](const char *name, bool full, const char *sheet, const char *item,
                            const QString &text, int width = 0) {
            QTest::newRow(name) << full << QString::fromLatin1(sheet) << QString::fromLatin1(item)
                                << text << width;
        };
        row("5436", true, "QROk1", "QRMemo2",
            u"0    1    0    5    U   0   0   0    1    2    3  "_s, 260);
        row("5437", true, "QROk1", "QRMemo4",
            u"0    2    0    5    U   0   0   1    2    3    4  "_s, 255);
        row("7210", true, "QROk2", "QRMemo12",
            u"U    1    0    5    U   0   0   0    7    7    7  "_s, 255);
        row("2457 of 8", true, "QROk1", "QRMemo9", u" 1    2    3   4    5   6    7   8  "_s, 177);
        row("2459 of 10", true, "QROk1", "QRMemo8",
            u" 1    2    3   4    5   6    7   8    9   0  "_s, 221);
        row("9036 start", true, "QROk1", "QRMemo13", u" 0   1    .    0    4 "_s);
        row("9036 kind", true, "QROk1", "QRMemo17", u" З "_s);
        row("5616", true, "QROk2", "QRLabel15", u"2   8   .   2   3   .   1   5 "_s);
        row("5418", true, "QROk1", "QRLabel3", u"15/2-7, 12.03.05"_s);
        row("7200", true, "QROk1", "QRLabel27", u"1;2;3;4;5;6;1;2;3;4;"_s);
        row("2655", true, "QROk1", "QRMemo19", u" просп. Академіка Глушкова, 40"_s);
        row("e-mail", true, "QROk1", "QRLabel33", u"E-mail"_s);
        row("6120", true, "QROk2", "QRMemo6",
            u"1. Коваленко К.К., 2. Коваленко К.К., 3. Kovalenko K.K."_s);
        row("empty 5436", false, "QROk1", "QRMemo2", u" "_s, 260);
        row("empty 5437", false, "QROk1", "QRMemo4", u" "_s, 255);
        row("empty 7210", false, "QROk2", "QRMemo12", u" "_s, 255);
        row("empty code", false, "QROk1", "QRMemo9", u" "_s, 221);
        row("empty 9036", false, "QROk1", "QRMemo5", u"          .           "_s);
        row("empty kind", false, "QROk1", "QRMemo17", u"   "_s);
        row("empty 5616", false, "QROk2", "QRLabel20", u"        .           .         "_s);
        row("no e-mail", false, "QROk1", "QRLabel31", QString());
        row("empty 5418", false, "QROk1", "QRLabel3", QString());
        row("no head", false, "QROk2", "QRMemo6", u" "_s);
    }

    void itemTexts()
    {
        QFETCH(bool, full);
        QFETCH(QString, sheet);
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(int, width);
        SheetSet set;
        // The other card first, so that this one must reset what it fills.
        print(full ? newOkCardLines() : fullOkCardLines(), set);
        print(full ? fullOkCardLines() : newOkCardLines(), set);
        QCOMPARE(textOf(set, sheet, item), text);
        if (width)
            QCOMPARE(itemRect(*set.sheet(sheet)->item(item)).width(), width);
    }

    void codeRowShapes()
    {
        SheetSet set;
        print(fullOkCardLines(), set);
        const TQROk1 &page = set.QROk1();
        for (const char *shape : {"QRShape17", "QRShape20"})
            QVERIFY(!page.shape(QLatin1String(shape)).isEnabled());
        for (const char *shape : {"QRShape35", "QRShape36"})
            QVERIFY(page.shape(QLatin1String(shape)).isEnabled());
    }

    // "Друк" of the window: the notices, then the preview of the same pages,
    // offering the card's own name for the PDF.
    void printFromTheWindow()
    {
        OkWindow ok;
        ok.open(cardBytes(cardWith(newOkCardLines(), {coexecutor(1), coexecutor(3)})));
        ok.forgetMessages();
        ok.window()->N8Click();
        QCOMPARE(ok.messages(), QStringList{kCoexecutorsMessage});
        QPointer<ReportPreview> preview;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *shown = qobject_cast<ReportPreview *>(window))
                preview = shown;
        }
        QVERIFY(preview);
        QCOMPARE(preview->report().pageCount(), 3);
        QCOMPARE(preview->report().page(2).sheetName, u"QROK3"_s);
        QCOMPARE(preview->pdfName(), ok.path(u"card.pdf"_s));
        delete preview;
    }

    // "ovrida pdf": the kind by --kind or by the 5013 line, the notices on
    // the error stream in their order.
    void commandLineWritesThePdf()
    {
        ProgramRun run;
        if (!run.found())
            QSKIP("the program is not built");
        const QString card = run.write(
            u"card.txt"_s, cardBytes(cardWith(fullOkCardLines(), {u"5481\\"_s + words(400)})));
        const QString pdf = run.path(u"card.pdf"_s);
        ProgramRun::Result result = run.run({u"pdf"_s, u"--kind"_s, u"ok"_s, card, pdf});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.errors.split(u'\n', Qt::SkipEmptyParts),
                 (QStringList{kDescriptionMessage, kCoexecutorsMessage}));
        QCOMPARE(ProgramRun::pdfPageCount(pdf), 4);
        QVERIFY(ProgramRun::contents(pdf).contains("/MediaBox [0 0 595"));

        const QString fresh = run.write(u"new.txt"_s, cardBytes(newOkCardLines()));
        result = run.run({u"pdf"_s, fresh, pdf});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(ProgramRun::pdfPageCount(pdf), 2);
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
