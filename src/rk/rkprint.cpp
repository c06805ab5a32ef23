#include "rk/rkprint.h"

#include "rk/rkeditorlogic.h"

#include "cardfile/piece.h"
#include "reports/compositereport.h"
#include "reports/sheetfilling.h"
#include "reports/sheetset.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;
using namespace sheetfill;

namespace {

using Group = RkCardData::Group;
using Languages = RkCardData::Languages;

const QString kContinuedCustomers = u"(див.продовження)"_s;

const QString kCustomersMessage = u"Кількість замовників більша 1.Формується лист продовження!"_s;
const QString kCoexecutorsMessage =
    u"Кількість співвиконавців більша 3.Формується лист продовження!"_s;
const QString kStagesMessage = u"Кількість етапів більша 4.Формується лист продовження!"_s;

const QString kEmptyRegistration = u"    U      "_s;

// The stored entries of a group in number order, also those after a gap, as
// the card file keeps them.
QStringList storedEntries(const RkEditorLogic &card, Group group)
{
    return card.entries(group).storedEntries();
}

QString pieceOf(const QString &entry, int n)
{
    return cardfile::piece(entry, n);
}

// A row of cells whose width does not depend on the value.
struct CellRowSpec
{
    const char *memo;
    const char *control;
    const QString *emptyPattern;
    int width;      // as laid out
    int emptyWidth; // the frame over every cell when there is no value
};

// An empty customer or executor code gets the frame over eight cells.
constexpr CodeRowLook kCodeRow{180, false};

void fillCodeRow(ReportSheet &sheet, const char *memoName, const char *shapeName,
                 const QString &code)
{
    sheetfill::fillCodeRow(sheet, QLatin1String(memoName), {QLatin1String(shapeName)}, code,
                           kCodeRow);
}

// Page 1 ---------------------------------------------------------------------

const ControlCopy kPage1Labels[] = {
    {"QRLabel2", "ed5256"},  {"QRLabel28", "ed7146"}, {"QRLabel35", "ed7191"},
    {"QRLabel51", "ed7199"}, {"QRLabel27", "ed7200"}, {"QRLabel40", "ed7020"},
    {"QRLabel54", "ed7022"}, {"QRLabel37", "ed7209"}, {"QRLabel43", "ed5274"},
    {"QRLabel30", "ed2934"}, {"QRLabel9", "ed2394"},
};

const ControlCopy kPage1Memos[] = {
    {"QRMemo24", "ed7021"},
    {"QRMemo20", "ed2358"},
    {"QRMemo19", "mm2655"},
    {"QRMemo10", "ed1332"},
};

// The terms rows are 112 pixels wide on the form: their empty frame keeps
// that width so that it does not run past the cells.
const CellRowSpec kPage1Cells[] = {
    {"QRMemo2", "ed5517", nullptr, 259, 259},
    {"QRMemo4", "ed5436", &kEmptyRegistration, 243, 244},
    {"QRMemo13", "ed7210", nullptr, 245, 244},
    {"QRMemo17", "ed7353", &kEmptyMonthYear, 112, 112},
    {"QRMemo23", "ed7362", &kEmptyMonthYear, 112, 112},
};

QStringList numberedLanguages(const RkEditorLogic &card, Languages which, bool blankLines)
{
    return numberedLines(
        {card.languageText(which, 0), card.languageText(which, 1), card.languageText(which, 2)},
        blankLines);
}

void fillPage1Head(const RkEditorLogic &card, ReportSheet &page)
{
    const TextOf textOf = [&card](const QString &control) { return card.fieldText(control); };
    copyCaptions(page, kPage1Labels, textOf);
    copyMemoLines(page, kPage1Memos, textOf);
    for (const CellRowSpec &row : kPage1Cells) {
        const QString value = card.fieldText(QLatin1String(row.control));
        fillCellRow(page.memo(QLatin1String(row.memo)), value,
                    isUnfilled(value, row.emptyPattern ? *row.emptyPattern : QString()), row.width,
                    row.emptyWidth);
    }

    page.setCaption(u"QRLabel3"_s, numberAndDate(card.fieldText(u"ed5418N"_s),
                                                 card.fieldText(u"ed5418D"_s), u"; "_s));

    page.setLines(u"QRMemo26"_s, numberedLanguages(card, Languages::Title, true));
}

void fillExecutor(const RkEditorLogic &card, ReportSheet &page)
{
    fillCodeRow(page, "QRMemo11", "QRShape74", card.fieldText(u"ed2457"_s));
    page.setLines(u"QRMemo18"_s, numberedLanguages(card, Languages::ExecutorName, false));
    fillMail(page, u"QRLabel48"_s, u"QRLabel49"_s, card.fieldText(u"Edit2"_s));
}

struct CustomerSlot
{
    const char *code;
    const char *shape;
    const char *name;
    const char *address;
};

const std::array<CustomerSlot, 5> kCustomerSlots{{
    {"QRMemo8", "QRShape71", "QRMemo22", "QRMemo1"}, // on page 1
    {"QRMemo2", "QRShape10", "QRMemo3", "QRMemo5"},  // on the continuation page
    {"QRMemo4", "QRShape15", "QRMemo6", "QRMemo7"},
    {"QRMemo8", "QRShape31", "QRMemo9", "QRMemo10"},
    {"QRMemo11", "QRShape41", "QRMemo12", "QRMemo13"},
}};

void fillCustomers(const RkEditorLogic &card, SheetSet &sheets, QStringList &messages)
{
    ReportSheet &page = sheets.QRRk1();
    ReportSheet &more = sheets.QRRKDopZ();
    more.resetMemos();
    more.setCaption(u"QRLabel1"_s, kBlank);
    page.setCaption(u"QRLabel47"_s, kBlank);
    // Rows that receive nothing show an empty code row.
    fillCodeRow(page, kCustomerSlots[0].code, kCustomerSlots[0].shape, QString());
    page.setLines(QLatin1String(kCustomerSlots[0].name), {});
    page.setLines(QLatin1String(kCustomerSlots[0].address), {});
    for (size_t slot = 1; slot < kCustomerSlots.size(); ++slot) {
        fillCodeRow(more, kCustomerSlots[slot].code, kCustomerSlots[slot].shape, QString());
    }

    // The continuation page is formed when any customer after the first has
    // a code; every stored customer prints in its own row.
    const QStringList customers = storedEntries(card, Group::Customers);
    const qsizetype shown = std::min(customers.size(), qsizetype(kCustomerSlots.size()));
    const bool continues =
        std::any_of(customers.cbegin() + std::min<qsizetype>(1, shown), customers.cbegin() + shown,
                    [](const QString &entry) { return !isUnfilled(pieceOf(entry, 3)); });
    if (continues) {
        messages.append(kCustomersMessage);
        page.setCaption(u"QRLabel47"_s, kContinuedCustomers);
    }
    if (shown > 1) {
        more.setCaption(u"QRLabel1"_s, kContinuationHeading);
        more.setLines(u"QRMemo1"_s, linesOf(card.fieldText(u"mm9027"_s)));
    }
    for (qsizetype i = 0; i < shown; ++i) {
        const QString &entry = customers.at(i);
        const CustomerSlot &slot = kCustomerSlots[size_t(i)];
        ReportSheet &sheet = i == 0 ? page : more;
        fillCodeRow(sheet, slot.code, slot.shape, pieceOf(entry, 3));
        sheet.setLines(QLatin1String(slot.name), linesOf(pieceOf(entry, 5)));
        sheet.setLines(QLatin1String(slot.address), linesOf(pieceOf(entry, 6)));
    }
}

struct FinanceRow
{
    const char *code;
    const char *amount;
    const char *currency;
    const char *separator;
};

const FinanceRow kFinanceRows[] = {
    {"fin", "sum", "ed", " "},
    {"fin1", "sum1", "ed1", ""},
    {"fin2", "sum2", "ed2", ""},
};

const char *financeLabel(int code)
{
    switch (code) {
    case 7713:
        return "QRLabel32";
    case 7722:
        return "QRLabel22";
    case 7704:
        return "QRLabel31";
    default:
        return nullptr;
    }
}

void fillFinance(const RkEditorLogic &card, ReportSheet &page)
{
    for (const int code : {7713, 7722, 7704})
        page.setCaption(QLatin1String(financeLabel(code)), QString());
    for (const FinanceRow &row : kFinanceRows) {
        const QString code = card.fieldText(QLatin1String(row.code));
        if (isUnfilled(code))
            continue;
        const char *label = financeLabel(code.trimmed().toInt());
        if (!label)
            continue;
        page.setCaption(QLatin1String(label), card.fieldText(QLatin1String(row.amount)) +
                                                  QLatin1String(row.separator) +
                                                  card.fieldText(QLatin1String(row.currency)));
    }
}

// Page 2 ---------------------------------------------------------------------

const std::array<const char *, 20> kCoexecutorMemos{
    "QRMemo20", "QRMemo21", "QRMemo22", // on page 2
    "QRMemo2",  "QRMemo3",  "QRMemo4",  "QRMemo5",  "QRMemo6",  "QRMemo7",
    "QRMemo8",  "QRMemo9",  "QRMemo10", "QRMemo11", "QRMemo12", "QRMemo13",
    "QRMemo14", "QRMemo15", "QRMemo16", "QRMemo17", "QRMemo18",
};

void fillCoexecutors(const RkEditorLogic &card, SheetSet &sheets, QStringList &messages)
{
    ReportSheet &page = sheets.QRRk2();
    ReportSheet &more = sheets.QRRKDopS();
    const QStringList coexecutors = storedEntries(card, Group::Coexecutors);
    for (qsizetype i = 0; i < coexecutors.size() && i < qsizetype(kCoexecutorMemos.size()); ++i) {
        const QString &entry = coexecutors.at(i);
        if (i == 3) {
            messages.append(kCoexecutorsMessage);
            page.setCaption(u"QRLabel28"_s, kContinued);
            more.setCaption(u"QRLabel1"_s, kContinuationHeading);
            more.setLines(u"QRMemo1"_s, linesOf(card.languageText(Languages::Title, 0)));
        }
        const QString line = QString::number(i + 1) + u". "_s + pieceOf(entry, 3) + u"; "_s +
                             pieceOf(entry, 4) + u"; "_s + pieceOf(entry, 5) + u"; "_s +
                             pieceOf(entry, 6);
        (i < 3 ? page : more).setLines(QLatin1String(kCoexecutorMemos[size_t(i)]), {line});
    }
}

struct StageSlot
{
    const char *start;
    const char *end;
    const char *kind;
    const char *name;
};

// Stages 1 to 4 on page 2, 5 to 15 on the stage continuation page.
const std::array<StageSlot, 15> kStageSlots{{
    {"QRMemo17", "QRMemo18", "QRMemo19", "QRMemo24"},
    {"QRMemo12", "QRMemo25", "QRMemo26", "QRMemo5"},
    {"QRMemo13", "QRMemo29", "QRMemo30", "QRMemo14"},
    {"QRMemo31", "QRMemo32", "QRMemo33", "QRMemo27"},
    {"QRMemo17", "QRMemo18", "QRMemo19", "QRMemo24"},
    {"QRMemo12", "QRMemo25", "QRMemo26", "QRMemo5"},
    {"QRMemo13", "QRMemo29", "QRMemo30", "QRMemo14"},
    {"QRMemo31", "QRMemo32", "QRMemo33", "QRMemo27"},
    {"QRMemo1", "QRMemo2", "QRMemo4", "QRMemo3"},
    {"QRMemo6", "QRMemo7", "QRMemo8", "QRMemo9"},
    {"QRMemo10", "QRMemo11", "QRMemo15", "QRMemo16"},
    {"QRMemo20", "QRMemo21", "QRMemo22", "QRMemo23"},
    {"QRMemo28", "QRMemo34", "QRMemo35", "QRMemo36"},
    {"QRMemo37", "QRMemo38", "QRMemo39", "QRMemo40"},
    {"QRMemo41", "QRMemo42", "QRMemo43", "QRMemo44"},
}};

constexpr qsizetype kStagesOnPage2 = 4;

// A stage's cell row gets its cells only when it holds a value.
void fillStageCells(ReportSheet &sheet, const char *memo, const QString &value,
                    const QString &emptyPattern)
{
    if (!isUnfilled(value, emptyPattern))
        sheet.memo(QLatin1String(memo)).setCells(value);
}

void fillStages(const RkEditorLogic &card, SheetSet &sheets, QStringList &messages)
{
    ReportSheet &page = sheets.QRRk2();
    ReportSheet &more = sheets.QRRKDop();
    // The continuation page is formed when any stage after the fourth is
    // stored; every stored stage prints in its own row.
    const QStringList stages = storedEntries(card, Group::Stages);
    const qsizetype shown = std::min(stages.size(), qsizetype(kStageSlots.size()));
    if (shown > kStagesOnPage2) {
        messages.append(kStagesMessage);
        page.setCaption(u"QRLabel13"_s, kContinued);
        more.setCaption(u"QRLabel9"_s, kContinuationHeading);
    }
    for (qsizetype i = 0; i < shown; ++i) {
        const QString &entry = stages.at(i);
        const StageSlot &slot = kStageSlots[size_t(i)];
        ReportSheet &sheet = i < kStagesOnPage2 ? page : more;
        sheet.setLines(QLatin1String(slot.name), linesOf(pieceOf(entry, 5)));
        fillStageCells(sheet, slot.start, pieceOf(entry, 2), kEmptyMonthYear);
        fillStageCells(sheet, slot.end, pieceOf(entry, 3), kEmptyMonthYear);
        fillStageCells(sheet, slot.kind, pieceOf(entry, 4), QString());
    }
}

const std::array<const char *, 6> kRubricLabels{"QRLabel15", "QRLabel16", "QRLabel17",
                                                "QRLabel18", "QRLabel19", "QRLabel20"};

void fillSignatures(const RkEditorLogic &card, ReportSheet &page)
{
    page.setLines(u"QRMemo28"_s, linesOf(card.fieldText(u"ed5634"_s)));
    for (size_t i = 0; i < kRubricLabels.size(); ++i) {
        fillRubric(page.label(QLatin1String(kRubricLabels[i])),
                   card.fieldText(u"ed5616"_s + QString::number(i + 1)));
    }
    sheetfill::fillSignatures(page, {card.fieldText(u"ed6111"_s),
                                     card.fieldText(u"ed6210"_s),
                                     {card.languageText(Languages::HeadName, 0),
                                      card.languageText(Languages::HeadName, 1),
                                      card.languageText(Languages::HeadName, 2)},
                                     card.fieldText(u"ed6228"_s),
                                     card.fieldText(u"ed6140"_s)});
}

void fillPage2(const RkEditorLogic &card, SheetSet &sheets, QStringList &messages)
{
    ReportSheet &page = sheets.QRRk2();
    for (ReportSheet *sheet :
         {static_cast<ReportSheet *>(&page), static_cast<ReportSheet *>(&sheets.QRRKDop()),
          static_cast<ReportSheet *>(&sheets.QRRKDopS())})
        sheet->resetMemos();
    page.setCaption(u"QRLabel13"_s, kBlank);
    page.setCaption(u"QRLabel28"_s, kBlank);
    sheets.QRRKDop().setCaption(u"QRLabel9"_s, kBlank);
    sheets.QRRKDopS().setCaption(u"QRLabel1"_s, kBlank);

    page.setLines(u"QRMemo3"_s, linesOf(card.fieldText(u"mm9126"_s)));
    page.setLines(u"QRMemo16"_s, linesOf(card.fieldText(u"mm9153"_s)));
    fillCoexecutors(card, sheets, messages);
    fillStages(card, sheets, messages);
    fillSignatures(card, page);
}

} // namespace

QStringList fillRkSheets(const RkEditorLogic &card, SheetSet &sheets)
{
    QStringList messages;
    ReportSheet &page1 = sheets.QRRk1();
    fillPage1Head(card, page1);
    fillExecutor(card, page1);
    fillCustomers(card, sheets, messages);
    fillFinance(card, page1);
    fillPage2(card, sheets, messages);
    return messages;
}

void addRkReports(CompositeReport &report, const SheetSet &sheets)
{
    const auto continued = [](const ReportSheet &sheet, const char *marker) {
        return markerShows(sheet, marker);
    };
    report.add(sheets.QRRk1());
    report.add(sheets.QRRk2());
    if (continued(sheets.QRRk2(), "QRLabel13"))
        report.add(sheets.QRRKDop());
    if (continued(sheets.QRRk1(), "QRLabel47"))
        report.add(sheets.QRRKDopZ());
    if (continued(sheets.QRRk2(), "QRLabel28"))
        report.add(sheets.QRRKDopS());
}
