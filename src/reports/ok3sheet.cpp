// Layout of the OK page of co-executors from the third on: the title of the
// work, then 21 list boxes, 13 in the left column and 8 in the right.
#include "reports/sheets.h"

#include <array>
#include <vector>

using namespace layout;

namespace {

constexpr std::array<const char *, 21> kEntries{
    "QRMemo2",  "QRMemo3",  "QRMemo4",  "QRMemo5",  "QRMemo6",  "QRMemo7",  "QRMemo8",
    "QRMemo9",  "QRMemo10", "QRMemo11", "QRMemo12", "QRMemo13", "QRMemo14", "QRMemo15",
    "QRMemo16", "QRMemo17", "QRMemo18", "QRMemo19", "QRMemo20", "QRMemo21", "QRMemo22"};
constexpr int kLeftColumnEntries = 13;
constexpr int kFirstEntryTop = 156;
constexpr int kEntryHeight = 68;

std::vector<ItemSpec> makeItems()
{
    std::vector<ItemSpec> items = {
        {"QRLabel1", Label, 8, 8, 200, 18, "", fonts::text15, NoFrame, AutoSize},
        {"QRLabel100", Label, 8, 32, 300, 15, "Назва роботи"},
        {"QRMemo1", Memo, 8, 48, 702, 80, "", fonts::data, NoFrame, WordWrap},
        {"QRLabel101", Label, 8, 136, 300, 15, "2142.Співвиконавці", fonts::captionBold},
        {"QRShape1", VLine, 348, 156, 1, 884},
    };
    for (size_t i = 0; i < kEntries.size(); ++i) {
        const bool left = i < kLeftColumnEntries;
        const int row = left ? int(i) : int(i) - kLeftColumnEntries;
        items.push_back({kEntries[i], Memo, left ? 8 : 360, kFirstEntryTop + row * kEntryHeight,
                         left ? 335 : 350, kEntryHeight, "", fonts::text15, NoFrame, WordWrap});
    }
    return items;
}

} // namespace

TQROK3::TQROK3(QObject *parent)
    : ReportSheet({"QROK3", PageFormat::front(), {718, 1040}, makeItems()}, parent)
{}
