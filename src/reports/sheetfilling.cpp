#include "reports/sheetfilling.h"

#include "cardfile/blankforms.h"
#include "reports/reportsheet.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace sheetfill {

const QString kBlank = u" "_s;
const QString kContinued = u"(див. продовження)"_s;
const QString kContinuationHeading = u"\"Продовження\""_s;
const QString kEmptyDate{blankform::date};
const QString kEmptyMonthYear{blankform::monthYear};

namespace {
// The caption of a rubric row whose code is empty.
constexpr int kEightDigitWidth = 177;
constexpr int kTenDigitWidth = 221;
} // namespace

QString orBlank(const QString &text)
{
    return text.isEmpty() ? kBlank : text;
}

bool isUnfilled(const QString &value, const QString &emptyPattern)
{
    return value.trimmed().isEmpty() || (!emptyPattern.isEmpty() && value == emptyPattern);
}

QStringList linesOf(const QString &text)
{
    static const QRegularExpression breaks(u"\r\n|\n\r|\n|\r"_s);
    return text.split(breaks);
}

QStringList numberedLines(const std::array<QString, 3> &texts, bool blankLines)
{
    QStringList lines;
    for (size_t language = 0; language < texts.size(); ++language) {
        lines.append(QString::number(language + 1) + u". "_s + texts[language]);
        if (blankLines)
            lines.append(QString());
    }
    return lines;
}

QString numberAndDate(const QString &number, const QString &date, const QString &separator)
{
    return isUnfilled(date, kEmptyDate) ? number : number + separator + date;
}

void copyCaptions(ReportSheet &sheet, std::span<const ControlCopy> copies, const TextOf &textOf)
{
    for (const ControlCopy &copy : copies)
        sheet.setCaption(QLatin1String(copy.item), textOf(QLatin1String(copy.control)));
}

void copyMemoLines(ReportSheet &sheet, std::span<const ControlCopy> copies, const TextOf &textOf)
{
    for (const ControlCopy &copy : copies)
        sheet.setLines(QLatin1String(copy.item), linesOf(textOf(QLatin1String(copy.control))));
}

void fillCellRow(SheetMemo &memo, const QString &value, bool empty, int width, int emptyWidth)
{
    if (empty) {
        memo.setEmptyCells(emptyWidth);
        return;
    }
    memo.setCells(value);
    memo.setAutoSize(false);
    memo.setWidth(width);
}

void fillCodeRow(ReportSheet &sheet, const QString &memoName, const QStringList &shapeNames,
                 const QString &code, CodeRowLook look)
{
    SheetMemo &memo = sheet.memo(memoName);
    memo.setAutoSize(false);
    bool tenCells = false;
    if (isUnfilled(code)) {
        memo.setEmptyCells(look.emptyWidth);
        tenCells = look.emptyShowsTenCells;
    } else if (code.size() == 8 || code.size() == 10) {
        tenCells = code.size() == 10;
        memo.setCells(code);
        memo.setWidth(tenCells ? kTenDigitWidth : kEightDigitWidth);
    } else {
        // Not a code of the form: printed as it stands.
        memo.setLines({code});
        memo.setWidth(kTenDigitWidth);
    }
    for (const QString &shape : shapeNames)
        sheet.setShapeEnabled(shape, tenCells);
}

void fillRubric(SheetLabel &label, const QString &code)
{
    // An empty code shows its points, each in its own cell.
    label.setCells(isUnfilled(code, kEmptyDate) ? kEmptyDate : code);
}

void fillMail(ReportSheet &sheet, const QString &captionLabel, const QString &valueLabel,
              const QString &mail)
{
    const bool hasMail = !mail.isEmpty();
    sheet.setCaption(captionLabel, hasMail ? u"E-mail"_s : QString());
    sheet.setCaption(valueLabel, mail);
}

void fillSignatures(ReportSheet &page, const Signatures &values)
{
    page.setLines(u"QRMemo4"_s, {orBlank(values.organisationHead)});
    page.setLines(u"QRMemo8"_s, {orBlank(values.organisationHeadDegree)});
    const std::array<QString, 3> &heads = values.workHeadNames;
    page.setLines(u"QRMemo6"_s, {heads[0].isEmpty() ? kBlank
                                                    : u"1. "_s + heads[0] + u", 2. "_s + heads[1] +
                                                          u", 3. "_s + heads[2]});
    page.setLines(u"QRMemo7"_s, {orBlank(values.workHeadDegree)});
    page.setCaption(u"QRLabel24"_s, values.registrar);
}

bool markerShows(const ReportSheet &sheet, const char *markerLabel)
{
    const QString &caption = sheet.label(QLatin1String(markerLabel)).caption();
    return !caption.isEmpty() && caption != kBlank;
}

void startContinuation(ReportSheet &dop, const QString &title, const QString &fieldHeading)
{
    dop.setCaption(u"QRLabel1"_s, kContinuationHeading);
    dop.setLines(u"QRMemo3"_s, {u"9027 Назва роботи"_s, u"1. "_s + title});
    dop.setCaption(u"QRLabel2"_s, fieldHeading);
    nameContinuedFields(dop);
}

void nameContinuedFields(ReportSheet &dop)
{
    const QStringList &titleLines = dop.memo(u"QRMemo3"_s).lines();
    dop.setField(u"QRMemo3"_s,
                 ReportSheet::leadingFieldCode(titleLines.isEmpty() ? QString() : titleLines[0]));
    const QString continued = ReportSheet::leadingFieldCode(dop.label(u"QRLabel2"_s).caption());
    for (const QString &item : {u"QRLabel2"_s, u"QRMemo1"_s, u"QRMemo2"_s})
        dop.setField(item, continued);
}

void resetContinuation(ReportSheet &dop)
{
    for (const QString &memo : {u"QRMemo1"_s, u"QRMemo2"_s, u"QRMemo3"_s})
        dop.setLines(memo, {});
    for (const QString &label : {u"QRLabel1"_s, u"QRLabel2"_s})
        dop.setCaption(label, kBlank);
}

qsizetype cutLength(const QString &text, qsizetype room)
{
    if (room <= 0)
        return 0;
    const qsizetype blank = text.lastIndexOf(QLatin1Char(' '), room - 1);
    return blank >= 0 ? blank + 1 : room;
}

} // namespace sheetfill
