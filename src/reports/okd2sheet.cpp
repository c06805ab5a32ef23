// Layout of the dissertation card (OKD), page 2: the quantities and the
// abstract in the left column; supervisors, opponents, codes and the
// signatures in the right column.
#include "reports/sheets.h"

using namespace layout;

namespace {

constexpr CellRow kRubric{&cellpatterns::okdRubric, "00.00.00"};

constexpr FontSpec kData = fonts::data;
constexpr FontSpec kBold = fonts::captionBold;
// Supervisors and opponents print underlined, as the names on page 1.
constexpr FontSpec kNames{fonts::text15.pixels, false, true};

const ItemSpec kItems[] = {
    {"QRShape1", VLine, 336, 0, 1, 1020},

    // Left column.
    {"QRLabel100", Label, 0, 0, 330, 15, "Кількісні характеристики дисертації", kBold},
    {"QRLabel101", Label, 0, 20, 225, 15, "5742. Сторінок"},
    {"QRLabel2", Label, 230, 18, 100, 19, "", kData, Bottom},
    {"QRLabel102", Label, 0, 39, 225, 15, "5751. Додатків"},
    {"QRLabel3", Label, 230, 37, 100, 19, "", kData, Bottom},
    {"QRLabel103", Label, 0, 58, 225, 15, "5760. Ілюстраций"},
    {"QRLabel4", Label, 230, 56, 100, 19, "", kData, Bottom},
    {"QRLabel104", Label, 0, 77, 225, 15, "5778. Таблиць"},
    {"QRLabel5", Label, 230, 75, 100, 19, "", kData, Bottom},
    {"QRLabel105", Label, 0, 96, 225, 15, "5787. Використаних першоджерел"},
    {"QRLabel6", Label, 230, 94, 100, 19, "", kData, Bottom},
    {"QRLabel106", Label, 0, 115, 225, 15, "5481. Публікацій"},
    {"QRLabel7", Label, 230, 113, 100, 19, "", kData, Bottom},
    {"QRLabel107", Label, 0, 134, 225, 15, "5472. Патентів"},
    {"QRLabel8", Label, 230, 132, 100, 19, "", kData, Bottom},
    {"QRLabel108", Label, 0, 162, 330, 30,
     "9118. Р е ф е р а т  (1-українською мовою, 2-російською мовою, 3-англійською мовою)",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo2", Memo, 0, 194, 330, 790, "", fonts::text15, NoFrame, WordWrap},
    {"QRLabel25", Label, 0, 990, 200, 15, "", fonts::caption, NoFrame, AutoSize},

    // Supervisors and opponents.
    {"QRLabel109", Label, 342, 0, 339, 60,
     "6156. Прізвище, ім'я, по батькові (1 - українською мовою, 2 - російською мовою, "
     "3 - англійською мовою); науковий ступінь; вчене звання; шифр наукової спеціальності "
     "наукових керівників",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo3", Memo, 342, 62, 339, 230, "", kNames, NoFrame, WordWrap},
    {"QRLabel110", Label, 342, 298, 339, 45,
     "6165. Прізвище, ім'я, по батькові; науковий ступінь; вчене звання; шифр наукової "
     "спеціальності офіційних опонентів",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo4", Memo, 342, 345, 339, 250, "", kNames, NoFrame, WordWrap},

    // Codes.
    {"QRLabel111", Label, 342, 602, 339, 15, "5634. Індекс УДК"},
    {"QRLabel13", Label, 342, 618, 339, 19, "", kData, Bottom},
    {"QRLabel112", Label, 342, 644, 339, 15, "5616. Коди тематичних рубрик"},
    {"QRLabel15", Label, 345, 660, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel16", Label, 345, 684, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel17", Label, 345, 708, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel18", Label, 521, 660, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel19", Label, 521, 684, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel20", Label, 521, 708, 153, 25, "", fonts::cells, Box, 0, kRubric},

    // Council chairman and registration.
    {"QRLabel113", Label, 342, 742, 339, 15, "6174. Голова спеціалізованої вченої ради", kBold},
    {"QRMemo5", Memo, 345, 758, 327, 21, "", fonts::dataUnderlined, NoFrame, 0},
    {"QRLabel114", Label, 345, 779, 327, 15, "(прізвище, ім'я, по батькові)", fonts::caption,
     NoFrame, Center},
    {"QRLabel115", Label, 342, 800, 339, 30,
     "6273. Науковий ступінь, вчене звання голови спеціалізованої вченої ради", fonts::caption,
     NoFrame, WordWrap},
    {"QRMemo6", Memo, 345, 832, 327, 21, "", kData, Bottom, 0},
    {"QRLabel116", Label, 345, 856, 336, 15,
     "Підпис                                               МП"},
    {"QRLabel117", Label, 342, 884, 339, 15, "6140. Керівник відділу держреєстрації", kBold},
    {"QRLabel24", Label, 345, 900, 327, 21, "", fonts::dataUnderlined},
    {"QRLabel118", Label, 345, 921, 327, 15, "(прізвище, ім'я, по батькові)", fonts::caption,
     NoFrame, Center},
    {"QRLabel119", Label, 345, 944, 336, 15,
     "Підпис                                               МП"},
};

} // namespace

TQROkd2::TQROkd2(QObject *parent)
    : ReportSheet({"QROkd2", PageFormat::back(), {681, 1020}, kItems}, parent)
{}
