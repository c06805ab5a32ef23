#pragma once

#include <QString>
#include <QStringList>

#include <array>

class ReportSheet;
class SheetLabel;
class SheetMemo;

// What every card's printing does the same way when it copies its values
// into the sheets: blanks for empty items, cell rows, numbered language
// lines, continuation pages and the cut of a long text.
namespace sheetfill {

extern const QString kBlank;
// The note on a main sheet that a text goes on elsewhere.
extern const QString kContinued;
// What masked fields read back while nothing is typed in them.
extern const QString kEmptyDate;

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

// A row of cells of fixed width: the value spread over the cells, or, when
// `empty`, the single blank line with a frame `emptyWidth` wide.
void fillCellRow(SheetMemo &memo, const QString &value, bool empty, int width, int emptyWidth);

// A rubric code "99.99.99" in its cells; the empty form keeps the points in
// their boxes.
void fillRubric(SheetLabel &label, const QString &code);

// Empties what a card puts on a shared continuation page (QRDop ...): the
// heading, the field heading with the title, the continued field's heading
// and the two text columns.
void resetContinuation(ReportSheet &dop);

// Where a text is cut to fit `room` characters: after the last blank at or
// before position `room` (the blank stays with the first part), or at
// `room` itself when there is no blank up to there. The length of the
// first part.
qsizetype cutLength(const QString &text, qsizetype room);

} // namespace sheetfill
