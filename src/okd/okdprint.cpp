#include "okd/okdprint.h"

#include "okd/okdcatalogue.h"
#include "okd/okdfilelines.h"

#include "cardfile/blankforms.h"
#include "reports/compositereport.h"
#include "reports/sheetfilling.h"
#include "reports/sheetset.h"
#include "reports/textboxes.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;
using sheetfill::isUnfilled;
using sheetfill::kBlank;
using sheetfill::kEmptyDate;
using sheetfill::linesOf;

namespace {

const QString kAbstractNotice = u"Для реферату формується продовження !"_s;
const QString kCutOffNotice = u"Реферат не вміщується у форму: частину тексту не надруковано !"_s;

const QString kEmptyRegistration = u"    U      "_s;
constexpr int kRegistrationWidth = 255;
constexpr int kOrganisationCodeWidth = 180;

struct Copy
{
    const char *item;
    const char *control;
};

// Page 1 ---------------------------------------------------------------------

const Copy kPage1Labels[] = {
    {"QRLabel1", "cb5013"},  {"QRLabel2", "cb5256"},  {"QRLabel34", "ed7425"},
    {"QRLabel37", "ed6480"}, {"QRLabel40", "ed7020"}, {"QRLabel42", "cb7443"},
    {"QRLabel43", "cb7344"}, {"QRLabel44", "cb5535"}, {"QRLabel45", "cb5211"},
};

// The organisation blocks 1 to 4 on the first page: code row, name, address
// and telephone. Their cities are not printed.
struct OrganisationSlot
{
    int block;
    const char *code;
    const char *name;
    const char *address;
    const char *phone;
};
const OrganisationSlot kOrganisations[] = {
    {1, "QRMemo9", "QRMemo18", "QRMemo19", "QRLabel30"},
    {2, "QRMemo7", "QRMemo20", "QRMemo10", "QRLabel29"},
    {3, "QRMemo8", "QRMemo22", "QRMemo23", "QRLabel28"},
    {4, "QRMemo13", "QRMemo14", "QRMemo16", "QRLabel27"},
};

void fillFixedRow(SheetMemo &memo, const QString &value, const QString &emptyPattern, int width)
{
    sheetfill::fillCellRow(memo, value, isUnfilled(value, emptyPattern), width, width);
}

// The speciality and defence date rows show their points while empty, each
// in its own cell.
void fillDateRow(SheetMemo &memo, const QString &value)
{
    memo.setCells(isUnfilled(value, kEmptyDate) ? kEmptyDate : value);
}

void fillPage1(const CardControls &controls, const OkdValues &values, ReportSheet &page)
{
    for (const Copy &copy : kPage1Labels)
        page.setCaption(QLatin1String(copy.item), controls.text(QLatin1String(copy.control)));
    page.setCaption(u"QRLabel3"_s,
                    controls.text(u"ed5418N"_s) + u","_s + controls.text(u"ed5418D"_s));

    const OrganisationBlocks &blocks = values.blocks;
    page.setCaption(u"QRLabel8"_s, blocks.councilCode);
    page.setCaption(u"QRLabel9"_s, blocks.records.at(0).phone);
    page.setLines(u"QRMemo1"_s, linesOf(blocks.ministryName));
    for (const OrganisationSlot &slot : kOrganisations) {
        const OrganisationBlocks::Record &record = blocks.records.at(size_t(slot.block));
        fillFixedRow(page.memo(QLatin1String(slot.code)), record.code, QString(),
                     kOrganisationCodeWidth);
        page.setLines(QLatin1String(slot.name), linesOf(record.name));
        page.setLines(QLatin1String(slot.address), linesOf(record.address));
        page.setCaption(QLatin1String(slot.phone), record.phone);
    }

    fillFixedRow(page.memo(u"QRMemo4"_s), controls.text(u"ed5438"_s), kEmptyRegistration,
                 kRegistrationWidth);
    page.setLines(u"QRMemo5"_s, sheetfill::numberedLines(values.applicantNames, false));
    page.setCaption(u"QRLabel33"_s, controls.text(u"cb6642"_s) == u"1"_s ? u" Так "_s : u" Ні "_s);
    fillDateRow(page.memo(u"QRMemo21"_s), controls.text(u"ed6444"_s));
    const QString secondSpeciality = controls.text(u"Ed6444a"_s);
    page.setCaption(u"QRLabel47"_s,
                    isUnfilled(secondSpeciality, kEmptyDate) ? QString() : secondSpeciality);
    fillDateRow(page.memo(u"QRMemo15"_s), controls.text(u"ed7434"_s));
    page.setLines(u"QRMemo24"_s, linesOf(controls.text(u"ed7021"_s)));
    page.setLines(u"QRMemo26"_s, sheetfill::numberedLines(values.titles, true));
}

// Page 2 ---------------------------------------------------------------------

const Copy kPage2Labels[] = {
    {"QRLabel2", "ed5742"}, {"QRLabel3", "ed5751"},  {"QRLabel4", "ed5760"},
    {"QRLabel5", "ed5778"}, {"QRLabel6", "ed5787"},  {"QRLabel7", "ed5481"},
    {"QRLabel8", "ed5472"}, {"QRLabel13", "ed5634"}, {"QRLabel24", "ed6140"},
};

const std::array<const char *, 6> kRubricLabels{"QRLabel15", "QRLabel16", "QRLabel17",
                                                "QRLabel18", "QRLabel19", "QRLabel20"};

// "; degree; title; code; code" of a supervisor or an opponent, each part
// only when it is set.
QString personDetails(const CardControls &controls, const OkdPersonRow &row)
{
    QString details;
    for (const QString &part : {controls.text(row.degree), controls.text(row.title)}) {
        if (!isUnfilled(part))
            details += u"; "_s + part;
    }
    for (const QString &code : {controls.text(row.code1), controls.text(row.code2)}) {
        if (!isUnfilled(code, kEmptyDate))
            details += u"; "_s + code;
    }
    return details;
}

// One line per supervisor; a supervisor without a name in any language
// prints only the number, followed by an empty line.
QStringList supervisorLines(const CardControls &controls, const OkdValues &values)
{
    QStringList lines;
    for (int n = 1; n <= 3; ++n) {
        const languagecheck::Texts &names = values.supervisorNames.at(size_t(n - 1));
        const bool named = std::any_of(names.begin(), names.end(),
                                       [](const QString &name) { return !isUnfilled(name); });
        const QString number = QString::number(n) + u". "_s;
        if (!named) {
            lines << number + kBlank << QString();
            continue;
        }
        lines << number + u" 1. "_s + names[0] + u" 2. "_s + names[1] + u" 3. "_s + names[2] +
                     personDetails(controls, okdSupervisorRow(n));
    }
    return lines;
}

QStringList opponentLines(const CardControls &controls)
{
    QStringList lines;
    for (int n = 1; n <= 4; ++n) {
        const OkdPersonRow row = okdOpponentRow(n);
        const QString name = controls.text(row.name);
        lines << QString::number(n) + u". "_s +
                     (name.isEmpty() ? kBlank : name + personDetails(controls, row))
              << QString();
    }
    return lines;
}

void fillPage2(const CardControls &controls, const OkdValues &values, ReportSheet &page)
{
    for (const Copy &copy : kPage2Labels)
        page.setCaption(QLatin1String(copy.item), controls.text(QLatin1String(copy.control)));
    page.setLines(u"QRMemo3"_s, supervisorLines(controls, values));
    page.setLines(u"QRMemo4"_s, opponentLines(controls));
    const QStringList &rubrics = okdnames::rubricBoxes();
    for (size_t i = 0; i < kRubricLabels.size(); ++i)
        sheetfill::fillRubric(page.label(QLatin1String(kRubricLabels[i])),
                              controls.text(rubrics.at(qsizetype(i))));
    page.setLines(u"QRMemo5"_s, linesOf(controls.text(u"ed6174"_s)));
    const QString degree = controls.text(u"ed6273ns"_s);
    const QString title = controls.text(u"ed6273vz"_s);
    page.setLines(u"QRMemo6"_s, {isUnfilled(degree) ? title : degree + u", "_s + title});
}

// The abstracts -----------------------------------------------------------------

// The abstract box of the second page, then the left and right columns of
// each continuation page.
constexpr std::array<qsizetype, 9> kAbstractRooms{1500, 1880, 2200, 1880, 2200,
                                                  1880, 2200, 1880, 2200};

std::array<ReportSheet *, 4> continuationPages(const SheetSet &sheets)
{
    return {&sheets.QRDop(), &sheets.QRDop1(), &sheets.QRDop2(), &sheets.QRDop3()};
}

void startContinuation(ReportSheet &dop, int number, const OkdValues &values)
{
    dop.setCaption(u"QRLabel1"_s, u"\"Продовження %1\""_s.arg(number));
    dop.setLines(u"QRMemo3"_s, {u"9045 Назва "_s, u"1. "_s + values.titles[0]});
    dop.setCaption(u"QRLabel2"_s, u"9118 Реферат "_s);
    sheetfill::nameContinuedFields(dop);
}

int fillAbstracts(const OkdValues &values, SheetSet &sheets, QStringList &notices)
{
    ReportSheet &page = sheets.QROkd2();
    const std::array<ReportSheet *, 4> pages = continuationPages(sheets);
    page.setCaption(u"QRLabel25"_s, kBlank);
    for (ReportSheet *dop : pages)
        sheetfill::resetContinuation(*dop);

    const QStringList texts = sheetfill::numberedLines(values.abstracts, false);
    qsizetype total = 0;
    for (const QString &text : texts)
        total += text.size();
    if (total + 9 > kAbstractRooms[0])
        notices.append(kAbstractNotice);

    const BoxedTexts boxed = spreadOverBoxes(texts, kAbstractRooms);
    if (boxed.cutOff)
        notices.append(kCutOffNotice);
    const auto linesOrBlank = [](const QStringList &lines) {
        return lines.isEmpty() ? QStringList{kBlank} : lines;
    };
    page.setLines(u"QRMemo2"_s, linesOrBlank(boxed.boxes[0]));

    int contSheets = 0;
    for (size_t sheet = 0; sheet < pages.size(); ++sheet) {
        const QStringList &left = boxed.boxes[1 + 2 * sheet];
        const QStringList &right = boxed.boxes[2 + 2 * sheet];
        if (!left.isEmpty() || !right.isEmpty())
            contSheets = int(sheet) + 1;
        pages[sheet]->setLines(u"QRMemo1"_s, linesOrBlank(left));
        pages[sheet]->setLines(u"QRMemo2"_s, linesOrBlank(right));
    }
    if (contSheets > 0) {
        page.setCaption(u"QRLabel25"_s, sheetfill::kContinued);
        for (size_t sheet = 0; sheet < pages.size(); ++sheet)
            startContinuation(*pages[sheet], int(sheet) + 1, values);
    }
    return contSheets;
}

} // namespace

OkdPrintRun fillOkdSheets(const CardControls &controls, const OkdValues &values, SheetSet &sheets)
{
    OkdPrintRun run;
    fillPage1(controls, values, sheets.QROkd1());
    fillPage2(controls, values, sheets.QROkd2());
    run.contSheets = fillAbstracts(values, sheets, run.notices);
    return run;
}

void addOkdReports(CompositeReport &report, const SheetSet &sheets, int contSheets)
{
    report.add(sheets.QROkd1());
    report.add(sheets.QROkd2());
    const std::array<ReportSheet *, 4> pages = continuationPages(sheets);
    for (int sheet = 0; sheet < contSheets && sheet < int(pages.size()); ++sheet)
        report.add(*pages[size_t(sheet)]);
}
