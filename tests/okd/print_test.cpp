#include "okd/frmokd.h"
#include "okd/okdprint.h"
#include "okd/support/okdfiles.h"
#include "okd/support/okdwindow.h"

#include "reports/compositereport.h"
#include "reports/reportpreview.h"
#include "reports/reportsheet.h"
#include "reports/sheetset.h"
#include "support/programrun.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kNotice = u"Для реферату формується продовження !"_s;
const QString kCutOff = u"Реферат не вміщується у форму: частину тексту не надруковано !"_s;

// The card's controls as plain texts; a control not set reads as empty.
// Printing only reads texts.
class Fields : public CardControls
{
public:
    QHash<QString, QString> texts;
    QString text(const QString &control) const override { return texts.value(control); }
    void setText(const QString &control, const QString &text) override { texts[control] = text; }
    void selectItem(const QString &, int) override {}
    int itemIndex(const QString &) const override { return -1; }
    void setItemIndex(const QString &, int) override {}
    void focus(const QString &) override {}
    void showKindLook(const PartyKinds &, PersonKind) override {}
};

// Words of nine letters and a blank: "1. " + 200 of them has its blanks at
// positions 3, 13, 23, ... (counted from 1).
QString words(int count, QChar letter = u'а')
{
    return QString(u"%1 "_s.arg(QString(9, letter))).repeated(count);
}

struct Printed
{
    OkdPrintRun run;
    QStringList sheets; // reference names in print order
};

Printed print(const Fields &fields, const OkdValues &values, SheetSet &sheets)
{
    Printed printed{fillOkdSheets(fields, values, sheets), {}};
    CompositeReport report;
    report.setOnAddReports(
        [&](CompositeReport &r) { addOkdReports(r, sheets, printed.run.contSheets); });
    const auto prepared = report.prepare();
    for (int i = 0; i < prepared->pageCount(); ++i)
        printed.sheets.append(prepared->page(i).sheetName);
    return printed;
}

QStringList lines(const ReportSheet &sheet, const char *memo)
{
    return sheet.memo(QLatin1String(memo)).lines();
}

QString caption(const ReportSheet &sheet, const char *label)
{
    return sheet.label(QLatin1String(label)).caption();
}

} // namespace

class PrintTest : public QObject
{
    Q_OBJECT

private slots:
    void abstractsOverTheBoxes_data()
    {
        QTest::addColumn<QStringList>("abstracts");
        QTest::addColumn<QStringList>("notices");
        QTest::addColumn<QStringList>("sheets");
        // The lengths of the lines in the second sheet's box and in the
        // left and right columns of each continuation page that holds text.
        QTest::addColumn<QList<QList<int>>>("boxes");

        const QStringList two = {u"QROkd1"_s, u"QROkd2"_s};
        QTest::newRow("short") << QStringList{u"Коротко"_s, u"Кратко"_s, u"Short"_s}
                               << QStringList() << two << QList<QList<int>>{{10, 9, 8}};
        // "1. " + 200 words: the last blank within 1500 is the 1493rd character.
        QTest::newRow("2000 characters")
            << QStringList{words(200), u"Б"_s, u"В"_s} << QStringList{kNotice}
            << two + QStringList{u"QRDop"_s} << QList<QList<int>>{{1493}, {510, 4, 4}, {}};
        QTest::newRow("1495 with the prefixes")
            << QStringList{QString(1000, u'а'), QString(486, u'б'), QString()}
            << QStringList{kNotice} << two << QList<QList<int>>{{1003, 489, 3}};
        QTest::newRow("first fills the box")
            << QStringList{QString(1497, u'а'), u"Б"_s, u"В"_s} << QStringList{kNotice}
            << two + QStringList{u"QRDop"_s} << QList<QList<int>>{{1500}, {4, 4}, {}};
        // The prefix holds the only blank within the box; the rest, without
        // a blank, is cut at the room of the left column itself.
        QTest::newRow("no blank") << QStringList{QString(2000, u'а'), QString(), QString()}
                                  << QStringList{kNotice} << two + QStringList{u"QRDop"_s}
                                  << QList<QList<int>>{{3}, {1880}, {120, 3, 3}};
        // 1600 words: the box takes 1493 characters, every column is filled
        // to its room, the last right column takes the last 390 and both
        // prefixes.
        QTest::newRow("four continuation pages")
            << QStringList{words(1600), QString(), QString()} << QStringList{kNotice}
            << two + QStringList{u"QRDop"_s, u"QRDop1"_s, u"QRDop2"_s, u"QRDop3"_s}
            << QList<QList<int>>{{1493}, {1880}, {2200}, {1880},     {2200},
                                 {1880}, {2200}, {1880}, {390, 3, 3}};
        QTest::newRow("more than four pages hold")
            << QStringList{words(1800), QString(), QString()} << QStringList{kNotice, kCutOff}
            << two + QStringList{u"QRDop"_s, u"QRDop1"_s, u"QRDop2"_s, u"QRDop3"_s}
            << QList<QList<int>>{{1493}, {1880}, {2200}, {1880}, {2200},
                                 {1880}, {2200}, {1880}, {2200}};
    }

    void abstractsOverTheBoxes()
    {
        QFETCH(QStringList, abstracts);
        QFETCH(QStringList, notices);
        QFETCH(QStringList, sheets);
        QFETCH(QList<QList<int>>, boxes);

        SheetSet set;
        Fields fields;
        OkdValues values;
        values.titles = {u"Назва"_s, u"Название"_s, u"Title"_s};
        for (int i = 0; i < 3; ++i)
            values.abstracts[size_t(i)] = abstracts.at(i);
        const Printed printed = print(fields, values, set);
        QCOMPARE(printed.run.notices, notices);
        QCOMPARE(printed.sheets, sheets);
        QCOMPARE(printed.run.contSheets, int(sheets.size()) - 2);

        // Every character is printed once, in order, while the chain holds it.
        const std::array<ReportSheet *, 4> dops = {&set.QRDop(), &set.QRDop1(), &set.QRDop2(),
                                                   &set.QRDop3()};
        QList<QStringList> printedBoxes{lines(set.QROkd2(), "QRMemo2")};
        for (ReportSheet *dop : dops)
            printedBoxes << lines(*dop, "QRMemo1") << lines(*dop, "QRMemo2");
        QString all;
        for (qsizetype box = 0; box < printedBoxes.size(); ++box) {
            QList<int> lengths;
            for (const QString &line : printedBoxes.at(box))
                lengths.append(int(line.size()));
            const QList<int> expected = box < boxes.size() ? boxes.at(box) : QList<int>();
            // A box without text prints one blank line.
            QCOMPARE(lengths, expected.isEmpty() ? QList<int>{1} : expected);
            if (!expected.isEmpty())
                all += printedBoxes.at(box).join(QString());
        }
        const QString whole =
            u"1. "_s + abstracts[0] + u"2. "_s + abstracts[1] + u"3. "_s + abstracts[2];
        QVERIFY(whole.startsWith(all));
        QCOMPARE(all.size() < whole.size(), notices.contains(kCutOff));

        const bool continued = sheets.size() > 2;
        QCOMPARE(caption(set.QROkd2(), "QRLabel25"), continued ? u"(див. продовження)"_s : u" "_s);
        for (int n = 0; n < 4; ++n) {
            const ReportSheet &dop = *dops[size_t(n)];
            QCOMPARE(caption(dop, "QRLabel1"),
                     continued ? u"\"Продовження %1\""_s.arg(n + 1) : u" "_s);
            QCOMPARE(caption(dop, "QRLabel2"), continued ? u"9118 Реферат "_s : u" "_s);
            QCOMPARE(lines(dop, "QRMemo3"),
                     (continued ? QStringList{u"9045 Назва "_s, u"1. Назва"_s} : QStringList()));
        }
    }

    // Codes in their boxes, filled and empty, as the items receive them.
    void boxedValues()
    {
        const struct
        {
            const char *control;
            QString value;
            const char *item;
            QString printed;
            int width; // of a memo row; 0 for a label
        } cases[] = {
            {"ed5438", u"0104U000123"_s, "QRMemo4",
             u"0    1    0    4    U   0   0   0    1    2    3  "_s, 255},
            {"ed5438", u"    U      "_s, "QRMemo4", u" "_s, 255},
            {"ed6444", u"05.13.06"_s, "QRMemo21", u" 0   5    .    1    3   .    0   6     "_s,
             185},
            {"ed6444", u"  .  .  "_s, "QRMemo21", u"          .             .              "_s,
             185},
            {"ed7434", u"15.06.04"_s, "QRMemo15", u" 1   5    .    0    6   .    0   4  "_s, 173},
            {"ed7434", u"  .  .  "_s, "QRMemo15", u"          .             .           "_s, 173},
            {"ed5616a", u"12.34.56"_s, "QRLabel15", u"1   2   .   3   4   .   5   6 "_s, 0},
            {"ed5616f", u"  .  .  "_s, "QRLabel20", u"        .           .         "_s, 0},
        };
        SheetSet set;
        for (const auto &c : cases) {
            Fields fields;
            fields.texts[QLatin1String(c.control)] = c.value;
            fillOkdSheets(fields, OkdValues{}, set);
            ReportSheet &sheet = QByteArray(c.control).startsWith("ed5616")
                                     ? static_cast<ReportSheet &>(set.QROkd2())
                                     : set.QROkd1();
            if (c.width == 0) {
                QCOMPARE(caption(sheet, c.item), c.printed);
                continue;
            }
            const SheetMemo &memo = sheet.memo(QLatin1String(c.item));
            QCOMPARE(memo.lines(), QStringList{c.printed});
            QCOMPARE(memo.rect.width(), c.width);
        }

        // The organisation codes of blocks 1 to 4, and the empty frame.
        Fields fields;
        OkdValues values;
        values.blocks.records[2].code = u"12345678"_s;
        fillOkdSheets(fields, values, set);
        QCOMPARE(lines(set.QROkd1(), "QRMemo7"),
                 QStringList{u"1    2    3   4   5   6    7   8  "_s});
        QCOMPARE(lines(set.QROkd1(), "QRMemo9"), QStringList{u" "_s});
        QCOMPARE(set.QROkd1().memo(u"QRMemo9"_s).rect.width(), 180);
    }

    // A supervisor prints when any of the three names is set, whichever
    // language the window shows; opponents print by their name box.
    void peopleAndComposedValues()
    {
        Fields fields;
        fields.texts = {
            {u"ed6156ns2"_s, u"д.т.н."_s},  {u"ed6156vz2"_s, u"професор"_s},
            {u"ed6156h2"_s, u"05.13.06"_s}, {u"Ed6156h2a"_s, u"  .  .  "_s},
            {u"ed6165f1"_s, u"Опонент"_s},  {u"ed6165h1"_s, u"01.05.02"_s},
            {u"ed6165ns2"_s, u"к.т.н."_s},  {u"ed6273vz"_s, u"професор"_s},
            {u"ed5418N"_s, u"12"_s},        {u"ed5418D"_s, u"01.02.03"_s},
            {u"cb6642"_s, u"1"_s},          {u"Ed6444a"_s, u"01.05.02"_s},
        };
        OkdValues values;
        values.supervisorNames[1] = {QString(), QString(), u"Smith"_s};
        SheetSet set;
        fillOkdSheets(fields, values, set);
        QCOMPARE(lines(set.QROkd2(), "QRMemo3"),
                 QStringList({u"1.  "_s, QString(),
                              u"2.  1.  2.  3. Smith; д.т.н.; професор; 05.13.06"_s, u"3.  "_s,
                              QString()}));
        QCOMPARE(lines(set.QROkd2(), "QRMemo4"),
                 QStringList({u"1. Опонент; 01.05.02"_s, QString(), u"2.  "_s, QString(), u"3.  "_s,
                              QString(), u"4.  "_s, QString()}));
        QCOMPARE(lines(set.QROkd2(), "QRMemo6"), QStringList{u"професор"_s});
        QCOMPARE(caption(set.QROkd1(), "QRLabel3"), u"12,01.02.03"_s);
        QCOMPARE(caption(set.QROkd1(), "QRLabel33"), u" Так "_s);
        QCOMPARE(caption(set.QROkd1(), "QRLabel47"), u"01.05.02"_s);

        fields.texts[u"ed6273ns"_s] = u"д.т.н."_s;
        fields.texts[u"cb6642"_s] = u"0"_s;
        fields.texts[u"Ed6444a"_s] = u"  .  .  "_s;
        fillOkdSheets(fields, values, set);
        QCOMPARE(lines(set.QROkd2(), "QRMemo6"), QStringList{u"д.т.н., професор"_s});
        QCOMPARE(caption(set.QROkd1(), "QRLabel33"), u" Ні "_s);
        QCOMPARE(caption(set.QROkd1(), "QRLabel47"), QString());
    }

    // "Друк..." of the window: notices first, then the preview, which offers
    // the card file's name; the same pages go to a PDF file.
    void printFromTheWindow()
    {
        OkdWindow okd;
        QStringList card = okdFullCardLines();
        card.replaceInStrings(QRegularExpression(u"^9118\\\\1\\\\.*"_s),
                              u"9118\\1\\"_s + words(200).trimmed());
        okd.open(cardBytes(card));
        okd.forgetMessages();
        okd.click(u"BitBtn1"_s);
        okd.trigger(u"Print1"_s);
        QCOMPARE(okd.messages(), QStringList{kNotice});
        QPointer<ReportPreview> preview;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *shown = qobject_cast<ReportPreview *>(window))
                preview = shown;
        }
        QVERIFY(preview);
        QCOMPARE(preview->report().pageCount(), 3);
        QCOMPARE(preview->pdfName(), okd.path(u"card.pdf"_s));
        QCOMPARE(okd.window()->continuationSheets(), 1);
        delete preview;
    }

    // The command line prints a card to an A4 PDF with its continuation
    // pages; its 5013 line ("05") chooses the card's kind.
    void pdfFromTheCommandLine()
    {
        ProgramRun program;
        if (!program.found())
            QSKIP("the program is not built");
        QStringList card = okdFullCardLines();
        card.replaceInStrings(QRegularExpression(u"^9118\\\\1\\\\.*"_s),
                              u"9118\\1\\"_s + words(700).trimmed());
        const QString path = program.write(u"card.txt"_s, cardBytes(card));
        const QString pdf = program.path(u"card.pdf"_s);
        static const QRegularExpression page(u"/Type\\s*/Page(?![a-zA-Z])"_s);
        for (const QStringList &kind : {QStringList(), QStringList{u"--kind"_s, u"okd"_s}}) {
            QFile::remove(pdf);
            const ProgramRun::Result result =
                program.run(QStringList{u"pdf"_s} + kind + QStringList{path, pdf});
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(result.errors, kNotice + u"\n"_s);
            const QByteArray bytes = ProgramRun::contents(pdf);
            QVERIFY(bytes.startsWith("%PDF-"));
            QCOMPARE(QString::fromLatin1(bytes).count(page), 4);
            QVERIFY(bytes.contains("/MediaBox [0 0 595"));
        }
        // A PDF that cannot be written: exit 2, the reason named, no file.
        const QString nowhere = program.path(u"missing/card.pdf"_s);
        const ProgramRun::Result failed = program.run({u"pdf"_s, path, nowhere});
        QCOMPARE(failed.exitCode, 2);
        QVERIFY(failed.errors.startsWith(kNotice));
        QVERIFY(failed.errors.contains(nowhere));
        QVERIFY(!QFile::exists(nowhere));
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
