// Layout of the RK continuation page for co-executors 4 to 20: the title of
// the work, then co-executors 4 to 15 in the left column and 16 to 20 in the
// right.
#include "reports/sheets.h"

#include <array>
#include <vector>

using namespace layout;

namespace {

// QRMemo2 ... QRMemo13 left, QRMemo14 ... QRMemo18 right.
constexpr std::array<const char *, 17> kEntries{
    "QRMemo2",  "QRMemo3",  "QRMemo4",  "QRMemo5",  "QRMemo6",  "QRMemo7",
    "QRMemo8",  "QRMemo9",  "QRMemo10", "QRMemo11", "QRMemo12", "QRMemo13",
    "QRMemo14", "QRMemo15", "QRMemo16", "QRMemo17", "QRMemo18"};
constexpr int kLeftColumnEntries = 12;
constexpr int kFirstEntryTop = 156;
constexpr int kEntryHeight = 73;

std::vector<ItemSpec> makeItems()
{
    std::vector<ItemSpec> items = {
        {"QRLabel1", Label, 8, 8, 200, 18, "", fonts::text15, NoFrame, AutoSize},
        {"QRLabel100", Label, 8, 32, 300, 15, " Назва роботи"},
        {"QRMemo1", Memo, 8, 48, 702, 80, "", fonts::data, NoFrame, WordWrap},
        {"QRLabel101", Label, 8, 136, 300, 15, "2142. Співвиконавці", fonts::captionBold},
        {"QRShape1", VLine, 348, 156, 1, 884},
    };
    for (size_t i = 0; i < kEntries.size(); ++i) {
        const bool left = i < kLeftColumnEntries;
        const int row = left ? int(i) : int(i) - kLeftColumnEntries;
        items.push_back({kEntries[i], Memo, left ? 8 : 360, kFirstEntryTop + row * kEntryHeight,
                         left ? 327 : 350, kEntryHeight, "", fonts::data, NoFrame, WordWrap});
    }
    return items;
}

} // namespace

TQRRKDopS::TQRRKDopS(QObject *parent)
    : ReportSheet({"QRRKDopS", PageFormat::front(), {718, 1040}, makeItems()}, parent)
{}
