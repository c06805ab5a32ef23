// Layout of the RK continuation page for stages 5 to 15: stages 5 to 11 in
// the left column, 12 to 15 in the right, each a row of start, end and
// report kind cells with the stage name below.
#include "reports/sheets.h"

#include <array>
#include <vector>

using namespace layout;

namespace {

constexpr CellRow kMonthYear{&cellpatterns::rkMonthYear, "00.00"};
constexpr CellRow kReportKind{&cellpatterns::rkReportKind, "00"};

struct StageRow
{
    const char *numberLabel;
    const char *number;
    const char *start;
    const char *end;
    const char *kind;
    const char *stageName;
};

// Stages 5 to 11 (left column), then 12 to 15 (right column).
constexpr std::array<StageRow, 11> kStages{{
    {"QRLabel105", "5.", "QRMemo17", "QRMemo18", "QRMemo19", "QRMemo24"},
    {"QRLabel106", "6.", "QRMemo12", "QRMemo25", "QRMemo26", "QRMemo5"},
    {"QRLabel107", "7.", "QRMemo13", "QRMemo29", "QRMemo30", "QRMemo14"},
    {"QRLabel108", "8.", "QRMemo31", "QRMemo32", "QRMemo33", "QRMemo27"},
    {"QRLabel109", "9.", "QRMemo1", "QRMemo2", "QRMemo4", "QRMemo3"},
    {"QRLabel110", "10.", "QRMemo6", "QRMemo7", "QRMemo8", "QRMemo9"},
    {"QRLabel111", "11.", "QRMemo10", "QRMemo11", "QRMemo15", "QRMemo16"},
    {"QRLabel112", "12.", "QRMemo20", "QRMemo21", "QRMemo22", "QRMemo23"},
    {"QRLabel113", "13.", "QRMemo28", "QRMemo34", "QRMemo35", "QRMemo36"},
    {"QRLabel114", "14.", "QRMemo37", "QRMemo38", "QRMemo39", "QRMemo40"},
    {"QRLabel115", "15.", "QRMemo41", "QRMemo42", "QRMemo43", "QRMemo44"},
}};
constexpr int kLeftColumnStages = 7;
constexpr int kFirstRowTop = 60;
constexpr int kRowPitch = 112;
constexpr int kColumnLeft[2] = {0, 347};
constexpr int kNameWidth[2] = {334, 334};

std::vector<ItemSpec> makeItems()
{
    std::vector<ItemSpec> items = {
        {"QRLabel9", Label, 0, 0, 200, 18, "", fonts::text15, NoFrame, AutoSize},
        {"QRLabel100", Label, 0, 22, 340, 15, "9036.Порядковий №; початок та закінчення етапу;"},
        {"QRLabel101", Label, 0, 37, 340, 15, "вид звітного документа з НДР (ДКР); назва етапу"},
        {"QRShape1", VLine, 340, 56, 1, 964},
    };
    for (size_t i = 0; i < kStages.size(); ++i) {
        const StageRow &stage = kStages[i];
        const int column = i < kLeftColumnStages ? 0 : 1;
        const int row = column == 0 ? int(i) : int(i) - kLeftColumnStages;
        const int x = kColumnLeft[column];
        const int y = kFirstRowTop + row * kRowPitch;
        items.push_back(
            {stage.numberLabel, Label, x + 1, y + 1, 28, 18, stage.number, fonts::data});
        items.push_back(
            {stage.start, Memo, x + 30, y, 110, 20, "", fonts::cells, Box, 0, kMonthYear});
        items.push_back(
            {stage.end, Memo, x + 150, y, 110, 20, "", fonts::cells, Box, 0, kMonthYear});
        items.push_back(
            {stage.kind, Memo, x + 273, y, 44, 20, "", fonts::cells, Box, 0, kReportKind});
        items.push_back({stage.stageName, Memo, x, y + 23, kNameWidth[column], 85, "", fonts::data,
                         NoFrame, WordWrap});
    }
    return items;
}

} // namespace

TQRRKDop::TQRRKDop(QObject *parent)
    : ReportSheet({"QRRKDop", PageFormat::back(), {681, 1020}, makeItems()}, parent)
{}
