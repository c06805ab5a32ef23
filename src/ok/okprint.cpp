#include "ok/okprint.h"

#include "ok/okeditorlogic.h"

#include "reports/compositereport.h"
#include "reports/sheetfilling.h"
#include "reports/sheetset.h"

#include <array>

using namespace Qt::StringLiterals;
using namespace sheetfill;

namespace {

using Languages = OkEditorLogic::Languages;
using List = OkEditorLogic::List;

const QString kDescriptionMessage = u"Для бібліографічного опису формується лист продовження !"_s;
const QString kCoexecutorsMessage = u"Для співвиконавців формується лист продовження !"_s;
const QString kAbstractMessage = u"Для реферату формується лист продовження !"_s;
const QString kAbstractLostMessage =
    u"Реферат не вміщується у форму: частину тексту не надруковано !"_s;
const QString kCoexecutorsContinued = u"див.доповнення"_s;

// Room, in characters, of the boxes a long text is divided over.
constexpr qsizetype kDescriptionMain = 160;
constexpr qsizetype kDescriptionLeft = 1480;
constexpr qsizetype kAbstractMain = 1220;
constexpr qsizetype kAbstractLeft = 1680;
constexpr qsizetype kAbstractRight = 1760;
// Added to the abstract's length when deciding whether to tell the user.
constexpr qsizetype kAbstractNoticeAllowance = 80;

constexpr int kCoexecutorsOnPage2 = 2;
constexpr int kCoexecutors = 20;

class OkSheetFiller
{
public:
    OkSheetFiller(const OkEditorLogic &card, SheetSet &sheets) : m_card(card), m_sheets(sheets) {}

    QStringList fill()
    {
        fillPage1();
        fillPage2Codes();
        fillDescription();
        fillCoexecutors();
        fillPage2Rest();
        fillAbstract();
        return m_messages;
    }

private:
    QString text(const QString &control) const { return m_card.controls().text(control); }
    std::array<QString, 3> languages(Languages which) const
    {
        const LanguageField &field = m_card.language(which);
        return {field.text(0), field.text(1), field.text(2)};
    }
    QString title() const { return m_card.language(Languages::Title).text(0); }
    // A position list's entries, each followed by `separator`.
    QString listed(List which, const QString &separator) const
    {
        QString line;
        for (const QString &entry : m_card.list(which).storedEntries())
            line += entry + separator;
        return line;
    }
    // A memo's lines joined into one line, each preceded by one blank; an
    // empty memo has no lines.
    QString joinedLines(const QString &control) const
    {
        const QString value = text(control);
        QString line;
        if (value.isEmpty())
            return line;
        for (const QString &part : linesOf(value))
            line += kBlank + part;
        return line;
    }

    void fillPage1();
    void fillRegistrationRows();
    void fillStage();
    void fillPage2Codes();
    void fillDescription();
    void fillCoexecutors();
    void fillPage2Rest();
    void fillAbstract();

    const OkEditorLogic &m_card;
    SheetSet &m_sheets;
    QStringList m_messages;
};

TextOf textOf(const OkEditorLogic &card)
{
    return [&card](const QString &control) { return card.controls().text(control); };
}

// Page 1 ---------------------------------------------------------------------

const ControlCopy kPage1Labels[] = {
    {"QRLabel1", "cb5013"},  {"QRLabel2", "cb5256"},  {"QRLabel30", "ed2934"},
    {"QRLabel9", "ed2394"},  {"QRLabel21", "ed2935"}, {"QRLabel22", "ed2395"},
    {"QRLabel40", "ed7020"}, {"QRLabel35", "ed7022"}, {"QRLabel38", "ed7199"},
};

const ControlCopy kPage1Memos[] = {
    {"QRMemo20", "ed2358"}, {"QRMemo10", "ed1332"}, {"QRMemo1", "ed2360"},  {"QRMemo7", "ed2657"},
    {"QRMemo11", "ed1333"}, {"QRMemo24", "ed7021"}, {"QRMemo14", "mm9036"},
};

// Organisation codes: the two last cells show while the code is empty.
constexpr CodeRowLook kCodeRow{221, true};

void OkSheetFiller::fillPage1()
{
    ReportSheet &page = m_sheets.QROk1();
    copyCaptions(page, kPage1Labels, textOf(m_card));
    copyMemoLines(page, kPage1Memos, textOf(m_card));
    page.setCaption(u"QRLabel3"_s, numberAndDate(text(u"ed5418N"_s), text(u"ed5418D"_s), u", "_s));
    page.setCaption(u"QRLabel25"_s, numberAndDate(text(u"ed5518N"_s), text(u"ed5518D"_s), u", "_s));
    fillRegistrationRows();
    fillCodeRow(page, u"QRMemo9"_s, {u"QRShape17"_s, u"QRShape20"_s}, text(u"ed2457"_s), kCodeRow);
    fillCodeRow(page, u"QRMemo8"_s, {u"QRShape35"_s, u"QRShape36"_s}, text(u"ed2459"_s), kCodeRow);
    page.setLines(u"QRMemo18"_s, numberedLines(languages(Languages::ExecutorName), false));
    page.setLines(u"QRMemo26"_s, numberedLines(languages(Languages::Title), true));
    fillMail(page, u"QRLabel33"_s, u"QRLabel34"_s, text(u"Edit1"_s));
    fillMail(page, u"QRLabel31"_s, u"QRLabel32"_s, text(u"Edit2"_s));
    page.setLines(u"QRMemo19"_s, {joinedLines(u"mm2655"_s)});
    page.setLines(u"QRMemo22"_s, {joinedLines(u"mm2153"_s)});
    page.setCaption(u"QRLabel27"_s, listed(List::Programmes, u";"_s));
    page.setLines(u"QRMemo16"_s, {listed(List::StageNumbers, u"; "_s)});
    fillStage();
}

// The registration numbers: 5436 is printed in its cells only when it
// holds the "U" of a number; 5437 and 7210 unless they read back empty.
void OkSheetFiller::fillRegistrationRows()
{
    const QString registration = text(u"ed5436"_s);
    const bool numbered = registration.startsWith(u'U') || registration.mid(4, 1) == u"U"_s;
    fillCellRow(m_sheets.QROk1().memo(u"QRMemo2"_s), registration, !numbered, 260, 260);
    const QString accounting = text(u"ed5437"_s);
    fillCellRow(m_sheets.QROk1().memo(u"QRMemo4"_s), accounting,
                isUnfilled(accounting, u"    U      "_s), 255, 255);
    const QString head = text(u"ed7210"_s);
    fillCellRow(m_sheets.QROk2().memo(u"QRMemo12"_s), head, isUnfilled(head), 255, 255);
}

void OkSheetFiller::fillStage()
{
    ReportSheet &page = m_sheets.QROk1();
    page.setLines(u"QRMemo15"_s, {kBlank + text(u"ed9036n"_s) + kBlank});
    for (const auto &[memo, control] :
         {std::pair{u"QRMemo13"_s, u"ed9036p"_s}, std::pair{u"QRMemo5"_s, u"ed9036z"_s}}) {
        // An empty month and year show their point in its own cell.
        const QString value = text(control);
        page.memo(memo).setCells(isUnfilled(value, kEmptyMonthYear) ? kEmptyMonthYear : value);
    }
    const QString kind = text(u"cb9036e"_s);
    page.setLines(u"QRMemo17"_s, {kind.isEmpty() ? u"   "_s : kBlank + kind + kBlank});
}

// Page 2 ---------------------------------------------------------------------

const ControlCopy kPage2Labels[] = {
    {"QRLabel2", "ed5490"},  {"QRLabel3", "cb5562"},  {"QRLabel4", "cb7344"},
    {"QRLabel5", "cb5040"},  {"QRLabel6", "cb5715"},  {"QRLabel7", "ed5742"},
    {"QRLabel8", "cb7209"},  {"QRLabel26", "cb5535"}, {"QRLabel27", "cb5211"},
    {"QRLabel28", "ed6012"}, {"QRLabel13", "ed5634"},
};

constexpr std::array<const char *, 6> kRubricLabels{"QRLabel15", "QRLabel16", "QRLabel17",
                                                    "QRLabel18", "QRLabel19", "QRLabel20"};

void OkSheetFiller::fillPage2Codes()
{
    ReportSheet &page = m_sheets.QROk2();
    copyCaptions(page, kPage2Labels, textOf(m_card));
    page.setLines(u"QRMemo16"_s, linesOf(text(u"mm5635"_s)));
}

void OkSheetFiller::fillPage2Rest()
{
    ReportSheet &page = m_sheets.QROk2();
    page.setLines(u"QRMemo14"_s, {listed(List::Products, u"; "_s)});
    for (size_t i = 0; i < kRubricLabels.size(); ++i) {
        fillRubric(page.label(QLatin1String(kRubricLabels[i])),
                   text(u"ed5616"_s + QChar(u'a' + int(i))));
    }
    fillSignatures(page, {text(u"ed6111"_s), text(u"ed6210vc"_s), languages(Languages::HeadName),
                          text(u"ed6228vc"_s), text(u"ed6140"_s)});
}

// The bibliographic description: 160 characters on page 2, then the left
// column of QRDop1 and the rest in its right column.
void OkSheetFiller::fillDescription()
{
    ReportSheet &page = m_sheets.QROk2();
    ReportSheet &dop = m_sheets.QRDop1();
    resetContinuation(dop);
    page.setCaption(u"QRLabel32"_s, kBlank);
    QString rest = text(u"mm5481"_s);
    QString main = rest;
    if (rest.size() > kDescriptionMain) {
        m_messages.append(kDescriptionMessage);
        page.setCaption(u"QRLabel32"_s, kContinued);
        startContinuation(dop, title(), u"5481 Бібліографічний опис "_s);
        const qsizetype cut = cutLength(rest, kDescriptionMain);
        main = rest.left(cut);
        rest = rest.mid(cut);
        const qsizetype leftCut =
            rest.size() > kDescriptionLeft ? cutLength(rest, kDescriptionLeft) : rest.size();
        dop.setLines(u"QRMemo1"_s, {orBlank(rest.left(leftCut))});
        dop.setLines(u"QRMemo2"_s, {orBlank(rest.mid(leftCut))});
    } else {
        dop.setLines(u"QRMemo1"_s, {kBlank});
        dop.setLines(u"QRMemo2"_s, {kBlank});
    }
    page.setLines(u"QRMemo17"_s, {orBlank(main)});
}

// A co-executor's line: its number, then code, name and address as far as
// they are set.
QString coexecutorLine(const CoexecutorGroup::Entry &entry, int number)
{
    QString line = QString::number(number) + u". "_s;
    if (!isUnfilled(entry.code))
        line += entry.code;
    for (const QString *value : {&entry.name, &entry.address}) {
        if (!isUnfilled(*value))
            line += u"; "_s + *value;
    }
    return line;
}

// Co-executors 1 and 2 on page 2; when any later one holds a value, all of
// 3 to 20 go to QROK3, each in the box of its own number.
void OkSheetFiller::fillCoexecutors()
{
    const CoexecutorGroup &group = m_card.coexecutors();
    ReportSheet &page = m_sheets.QROk2();
    QStringList onPage;
    for (int number = 1; number <= kCoexecutorsOnPage2; ++number)
        onPage.append(coexecutorLine(group.entry(number), number));
    page.setLines(u"QRMemo5"_s, onPage);
    page.setCaption(u"QRLabel33"_s, QString());

    bool continued = false;
    for (int number = kCoexecutorsOnPage2 + 1; number <= kCoexecutors && !continued; ++number)
        continued = group.entry(number).holdsValues();
    if (!continued)
        return;
    page.setCaption(u"QRLabel33"_s, kCoexecutorsContinued);
    m_messages.append(kCoexecutorsMessage);
    ReportSheet &more = m_sheets.QROK3();
    more.resetMemos();
    more.setCaption(u"QRLabel1"_s, u"Продовження"_s);
    more.setLines(u"QRMemo1"_s, {title()});
    for (int number = kCoexecutorsOnPage2 + 1; number <= kCoexecutors; ++number) {
        more.memo(u"QRMemo"_s + QString::number(number - 1))
            .addLine(coexecutorLine(group.entry(number), number));
    }
}

// The abstract's three texts go in turn to the room left on page 2, then to
// the left and right columns of QRDop; a text is cut only after a blank,
// and only where it leaves page 2 or the left column.
void OkSheetFiller::fillAbstract()
{
    ReportSheet &page = m_sheets.QROk2();
    ReportSheet &dop = m_sheets.QRDop();
    resetContinuation(dop);
    page.setCaption(u"QRLabel31"_s, kBlank);
    const std::array<QString, 3> texts = languages(Languages::Abstract);
    const QStringList parts = numberedLines(texts, false);
    qsizetype total = 0;
    for (const QString &part : parts)
        total += part.size();
    if (total + kAbstractNoticeAllowance > kAbstractMain)
        m_messages.append(kAbstractMessage);

    QStringList main, left, right;
    qsizetype mainRoom = kAbstractMain, leftRoom = kAbstractLeft, rightRoom = kAbstractRight;
    bool lost = false;
    for (const QString &part : parts) {
        QString rest = part;
        if (mainRoom > 0) {
            if (part.size() <= mainRoom) {
                main.append(part);
                mainRoom -= part.size();
                continue;
            }
            if (!markerShows(page, "QRLabel31")) {
                page.setCaption(u"QRLabel31"_s, kContinued);
                startContinuation(dop, title(), u"9117 Реферат "_s);
            }
            const qsizetype cut = cutLength(part, mainRoom);
            main.append(part.left(cut));
            rest = part.mid(cut);
            mainRoom = 0;
        }
        if (leftRoom > 0) {
            if (rest.size() <= leftRoom) {
                left.append(rest);
                leftRoom -= rest.size();
                continue;
            }
            const qsizetype cut = cutLength(rest, leftRoom);
            left.append(rest.left(cut));
            rest = rest.mid(cut);
            leftRoom = 0;
            right.append(rest);
            rightRoom = std::max<qsizetype>(0, rightRoom - rest.size());
        } else if (rightRoom > 0) {
            right.append(rest);
            rightRoom = std::max<qsizetype>(0, rightRoom - rest.size());
        } else {
            lost = true;
        }
    }
    if (lost)
        m_messages.append(kAbstractLostMessage);
    page.setLines(u"QRMemo3"_s, main.isEmpty() ? QStringList{kBlank} : main);
    dop.setLines(u"QRMemo1"_s, left.isEmpty() ? QStringList{kBlank} : left);
    dop.setLines(u"QRMemo2"_s, right.isEmpty() ? QStringList{kBlank} : right);
}

} // namespace

QStringList fillOkSheets(const OkEditorLogic &card, SheetSet &sheets)
{
    return OkSheetFiller(card, sheets).fill();
}

void addOkReports(CompositeReport &report, const SheetSet &sheets)
{
    const TQROk2 &page2 = sheets.QROk2();
    report.add(sheets.QROk1());
    report.add(sheets.QROk2());
    if (markerShows(page2, "QRLabel31"))
        report.add(sheets.QRDop());
    if (markerShows(page2, "QRLabel32"))
        report.add(sheets.QRDop1());
    if (!page2.label(u"QRLabel33"_s).caption().isEmpty())
        report.add(sheets.QROK3());
}
