#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <span>

class ReportSheet;
class SheetLabel;
class SheetMemo;

// What every card's printing does the same way when it copies its values
// into the sheets: blanks for empty items, cell rows, numbered language
// lines, continuation markers and headings, and the cut of a long text.
namespace sheetfill {

extern const QString kBlank;
// The note on a main sheet that a text goes on elsewhere.
extern const QString kContinued;
// The heading of a continuation sheet.
extern const QString kContinuationHeading;
// What masked fields read back while nothing is typed in them.
extern const QString kEmptyDate;
extern const QString kEmptyMonthYear;

// A text, or " " when there is none.
QString orBlank(const QString &text);
// A value counts as empty when it holds nothing but blanks, or reads back as
// its masked field does untouched.
bool isUnfilled(const QString &value, const QString &emptyPattern = QString());
// A memo's printed lines for a text: each line break starts a new line.
QStringList linesOf(const QString &text);
// The lines "1. " + Ukrainian, "2. " + Russian, "3. " + English, each
// followed by an empty line with `blankLines`.
QStringList numberedLines(const std::array<QString, 3> &texts, bool blankLines);
// A number with ", " + date (or `separator` + date) when the date is set.
QString numberAndDate(const QString &number, const QString &date, const QString &separator);

// A label or memo filled by name with the text of a control.
struct ControlCopy
{
    const char *item;
    const char *control;
};
using TextOf = std::function<QString(const QString &control)>;
void copyCaptions(ReportSheet &sheet, std::span<const ControlCopy> copies, const TextOf &textOf);
void copyMemoLines(ReportSheet &sheet, std::span<const ControlCopy> copies, const TextOf &textOf);

// A row of cells of fixed width: the value spread over the cells, or, when
// `empty`, the single blank line with a frame `emptyWidth` wide.
void fillCellRow(SheetMemo &memo, const QString &value, bool empty, int width, int emptyWidth);

// An organisation code of 8 digits (legal person) or 10 (individual): the
// separator shapes of the last two cells show for 10 only. A value of
// another length is printed as it stands.
struct CodeRowLook
{
    int emptyWidth;          // the frame of an empty code
    bool emptyShowsTenCells; // whether the last two cells show while empty
};
void fillCodeRow(ReportSheet &sheet, const QString &memoName, const QStringList &shapeNames,
                 const QString &code, CodeRowLook look);

// A rubric code "99.99.99" in its cells; the empty form keeps the points in
// their boxes.
void fillRubric(SheetLabel &label, const QString &code);

// The e-mail caption and value, both empty when there is no address.
void fillMail(ReportSheet &sheet, const QString &captionLabel, const QString &valueLabel,
              const QString &mail);

// The heads and signatures block of a card's last page (QRMemo4, QRMemo8,
// QRMemo6, QRMemo7, QRLabel24).
struct Signatures
{
    QString organisationHead;
    QString organisationHeadDegree;
    std::array<QString, 3> workHeadNames;
    QString workHeadDegree;
    QString registrar;
};
void fillSignatures(ReportSheet &page, const Signatures &values);

// Whether a continuation marker label was set in this run.
bool markerShows(const ReportSheet &sheet, const char *markerLabel);

// A shared continuation page (QRDop ...) formed for a text: heading, the
// field heading with the Ukrainian title of the work, the continued field's
// heading.
void startContinuation(ReportSheet &dop, const QString &title, const QString &fieldHeading);
// Names the fields a continuation page shows after its headings are set:
// the title's field for QRMemo3, the continued field for its heading
// QRLabel2 and both text columns.
void nameContinuedFields(ReportSheet &dop);
// Empties what startContinuation and the text columns fill.
void resetContinuation(ReportSheet &dop);

// Where a text is cut to fit `room` characters: after the last blank at or
// before position `room` (the blank stays with the first part), or at
// `room` itself when there is no blank up to there. The length of the
// first part.
qsizetype cutLength(const QString &text, qsizetype room);

} // namespace sheetfill
