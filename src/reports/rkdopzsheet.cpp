// Layout of the RK continuation page for customers 2 to 5: the title of the
// work, then one block per customer with its code cells, name and address.
#include "reports/sheets.h"

#include <array>
#include <vector>

using namespace layout;

namespace {

constexpr CellRow kOrganisationCode{&cellpatterns::rkOrganisationCode, "0000000000"};

struct CustomerBlock
{
    const char *codeCaption;
    const char *code;
    const char *tenthCellDivider; // shown for a ten-digit code
    const char *nameCaption;
    const char *name;
    const char *addressCaption;
    const char *address;
};

constexpr std::array<CustomerBlock, 4> kCustomers{{
    {"QRLabel110", "QRMemo2", "QRShape10", "QRLabel111", "QRMemo3", "QRLabel112", "QRMemo5"},
    {"QRLabel120", "QRMemo4", "QRShape15", "QRLabel121", "QRMemo6", "QRLabel122", "QRMemo7"},
    {"QRLabel130", "QRMemo8", "QRShape31", "QRLabel131", "QRMemo9", "QRLabel132", "QRMemo10"},
    {"QRLabel140", "QRMemo11", "QRShape41", "QRLabel141", "QRMemo12", "QRLabel142", "QRMemo13"},
}};
constexpr int kFirstBlockTop = 164;
constexpr int kBlockPitch = 215;

std::vector<ItemSpec> makeItems()
{
    std::vector<ItemSpec> items = {
        {"QRLabel1", Label, 8, 8, 200, 18, "", fonts::text15, NoFrame, AutoSize},
        {"QRLabel100", Label, 8, 32, 300, 15, "Назва роботи"},
        {"QRMemo1", Memo, 8, 48, 702, 80, "", fonts::data, NoFrame, WordWrap},
        {"QRLabel101", Label, 8, 140, 400, 15, "ВІДОМОСТІ ПРО ЗАМОВНИКА НДР (ДКР)",
         fonts::captionBold},
    };
    for (size_t i = 0; i < kCustomers.size(); ++i) {
        const CustomerBlock &c = kCustomers[i];
        const int y = kFirstBlockTop + int(i) * kBlockPitch;
        items.push_back(
            {c.codeCaption, Label, 8, y, 400, 15, "2458. Ідентифікаційний код за ЄДРПОУ"});
        items.push_back({c.code, Memo, 56, y + 18, 221, 21, "", fonts::cells, Box, CellBox,
                         kOrganisationCode, c.tenthCellDivider});
        items.push_back({c.nameCaption, Label, 8, y + 46, 400, 15, "2152. Назва"});
        items.push_back(
            {c.name, Memo, 8, y + 62, 702, 60, "", fonts::dataUnderlined, NoFrame, WordWrap});
        items.push_back({c.addressCaption, Label, 8, y + 128, 400, 15, "2656. Адреса"});
        items.push_back(
            {c.address, Memo, 8, y + 144, 702, 50, "", fonts::dataUnderlined, NoFrame, WordWrap});
    }
    return items;
}

} // namespace

TQRRKDopZ::TQRRKDopZ(QObject *parent)
    : ReportSheet({"QRRKDopZ", PageFormat::front(), {718, 1040}, makeItems()}, parent)
{}
