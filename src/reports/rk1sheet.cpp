// Layout of the registration card (RK), page 1: the head and the executor,
// customer, finance and term blocks in the left column; the registration
// codes and the title of the work in the right column.
#include "reports/sheets.h"

using namespace layout;

namespace {

constexpr CellRow kRegistration5517{&cellpatterns::rkRegistration5517, "0000U000000"};
constexpr CellRow kRegistration5436{&cellpatterns::rkRegistration5436, "0000U000000"};
constexpr CellRow kRegistration7210{&cellpatterns::rkRegistration7210, "0000U000000"};
constexpr CellRow kOrganisationCode{&cellpatterns::rkOrganisationCode, "0000000000"};
constexpr CellRow kMonthYear{&cellpatterns::rkMonthYear, "00.00"};

constexpr FontSpec kData = fonts::data;
constexpr FontSpec kUnderlined = fonts::dataUnderlined;
constexpr FontSpec kBold = fonts::captionBold;
constexpr FontSpec kNarrowCaption{12};

const ItemSpec kItems[] = {
    {"QRLabel100", Label, 8, 2, 500, 23, "РЕЄСТРАЦІЙНА  КАРТКА  НДР І ДКР  (РК)", fonts::cardTitle,
     NoFrame, AutoSize},
    {"QRShape1", HLine, 0, 24, 718, 1},
    {"QRShape2", VLine, 352, 25, 1, 1015},

    // Head.
    {"QRLabel101", Label, 8, 31, 330, 15, "5013. Реєстраційна картка 01"},
    {"QRLabel102", Label, 8, 51, 210, 15, "5256. Особливі позначки"},
    {"QRLabel2", Label, 224, 48, 113, 20, "", kData, Bottom},
    {"QRLabel103", Label, 8, 72, 330, 15, "5418. №, дата супровідного листа"},
    {"QRLabel3", Label, 8, 88, 337, 19, "", kUnderlined},
    {"QRLabel104", Label, 8, 112, 340, 15, "5517. Державний реєстраційний номер, який анулюється",
     kNarrowCaption},
    {"QRMemo2", Memo, 44, 129, 259, 20, "", fonts::cells, Box, 0, kRegistration5517},

    // Executor.
    {"QRLabel105", Label, 8, 153, 337, 15, "ВІДОМОСТІ ПРО ВИКОНАВЦЯ НДР (ДКР)", kBold},
    {"QRLabel106", Label, 8, 170, 337, 15, "2457. Ідентифікаційний код за ЄДРПОУ"},
    {"QRMemo11", Memo, 56, 187, 221, 20, "", fonts::cells, Box, CellBox, kOrganisationCode,
     "QRShape74"},
    {"QRLabel107", Label, 8, 211, 337, 30,
     "2151. Назва (1-українською мовою,                 2-російською мовою, 3-англійською мовою)",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo18", Memo, 8, 243, 337, 167, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel108", Label, 8, 411, 337, 15, "2358. Скорочена назва"},
    {"QRMemo20", Memo, 8, 427, 337, 47, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel109", Label, 8, 475, 337, 15, "2655. Адреса"},
    {"QRMemo19", Memo, 8, 491, 337, 40, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel110", Label, 8, 536, 110, 15, "2934. Телефон"},
    {"QRLabel30", Label, 128, 534, 201, 20, "", kData},
    {"QRLabel111", Label, 8, 552, 110, 15, "2394. Факс "},
    {"QRLabel9", Label, 128, 550, 202, 20, "", kData},
    {"QRLabel48", Label, 46, 565, 38, 17, "", fonts::caption},
    {"QRLabel49", Label, 128, 565, 201, 17, "", kData},
    {"QRLabel112", Label, 8, 586, 337, 45,
     "1332.Скорочена офіційна назва міністерства (іншого центрального органа виконавчої влади), "
     "якому підпорядковується організація - виконавець НДР (ДКР)",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo10", Memo, 8, 635, 337, 43, "", kUnderlined, NoFrame, WordWrap},

    // Customer 1; the others go to the customer continuation page.
    {"QRLabel113", Label, 8, 683, 337, 15, "ВІДОМОСТІ ПРО ЗАМОВНИКА НДР (ДКР)", kBold},
    {"QRLabel114", Label, 8, 702, 337, 15, "2458. Ідентифікаційний код за ЄДРПОУ"},
    {"QRMemo8", Memo, 56, 723, 221, 21, "", fonts::cells, Box, CellBox, kOrganisationCode,
     "QRShape71"},
    {"QRLabel115", Label, 8, 747, 337, 15, "2152. Назва"},
    {"QRMemo22", Memo, 8, 763, 337, 38, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel116", Label, 8, 803, 337, 15, "2656. Адреса"},
    {"QRMemo1", Memo, 8, 819, 337, 41, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel47", Label, 192, 845, 150, 15, "", fonts::caption, NoFrame, AutoSize},

    // Finance.
    {"QRLabel117", Label, 8, 868, 337, 15, "ДЖЕРЕЛА ФІНАНСУВАННЯ  (ТИС.ГРН.)", kBold},
    {"QRLabel118", Label, 8, 895, 150, 15, "7713. Держбюджет"},
    {"QRLabel32", Label, 160, 892, 185, 19, "", kData, Bottom},
    {"QRLabel119", Label, 8, 919, 150, 15, "7722. Кошти замовника"},
    {"QRLabel22", Label, 160, 916, 185, 20, "", kData, Bottom},
    {"QRLabel120", Label, 8, 945, 150, 15, "7704. Власні кошти"},
    {"QRLabel31", Label, 160, 942, 185, 19, "", kData, Bottom},

    // Terms.
    {"QRLabel121", Label, 8, 972, 337, 15, "ТЕРМІНИ ВИКОНАННЯ РОБОТИ", kBold},
    {"QRLabel122", Label, 8, 1002, 180, 15, "7353. Початок"},
    {"QRMemo17", Memo, 192, 999, 112, 22, "", fonts::cells, Top | Left | Right, 0, kMonthYear},
    {"QRLabel123", Label, 8, 1023, 180, 15, "7362. Закінчення"},
    {"QRMemo23", Memo, 192, 1021, 112, 19, "", fonts::cells, Bottom | Left | Right, 0, kMonthYear},

    // Right column: registration and classification.
    {"QRLabel124", Label, 360, 25, 350, 15, "5436. Державний реєстраційний номер", kBold},
    {"QRMemo4", Memo, 414, 41, 243, 19, "", fonts::cells, Box, 0, kRegistration5436},
    {"QRLabel125", Label, 360, 62, 299, 15, "7146.Підстави для проведення роботи (цифрою)"},
    {"QRLabel28", Label, 660, 60, 20, 19, "", kData, Box},
    {"QRLabel126", Label, 360, 82, 170, 15, "7191.Вид роботи (цифрою)"},
    {"QRLabel35", Label, 532, 80, 148, 19, "", kData, Bottom},
    {"QRLabel127", Label, 360, 102, 170, 15, "7199.Науковий напрям"},
    {"QRLabel51", Label, 532, 100, 148, 19, "", kData, Bottom},
    {"QRLabel128", Label, 360, 124, 170, 15, "7200. ДНТП (цифрою)"},
    {"QRLabel27", Label, 531, 122, 151, 19, "", kData, Bottom},
    {"QRLabel129", Label, 360, 141, 350, 15, "7020. Шифр ДНТП"},
    {"QRLabel40", Label, 360, 156, 320, 20, "", kData, Bottom},
    {"QRLabel130", Label, 360, 182, 120, 15, "7022. Номер ДЦП"},
    {"QRLabel54", Label, 482, 180, 198, 19, "", kData, Bottom},
    {"QRLabel131", Label, 360, 200, 350, 15, "7021. Шифр роботи"},
    {"QRMemo24", Memo, 360, 215, 318, 32, "", fonts::captionUnderlined, NoFrame, WordWrap},
    {"QRLabel132", Label, 360, 250, 234, 15, "7209. Комплексність роботи (цифрою)"},
    {"QRLabel37", Label, 596, 248, 81, 19, "", kData, Bottom},
    {"QRLabel133", Label, 360, 268, 350, 30,
     "7210. Державний реєстраційний номер роботи      головної організації-виконавця НДР (ДКР)",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo13", Memo, 408, 299, 245, 22, "", fonts::cells, Box, 0, kRegistration7210},
    {"QRLabel134", Label, 360, 339, 350, 15, "5274. Шифр геолфонду"},
    {"QRLabel43", Label, 360, 355, 317, 19, "", kData, Bottom},

    // Title of the work: the bold heading covers the start of the caption.
    {"QRLabel135", Label, 360, 384, 350, 30,
     "9027. Н а з в а   р о б о т и     (1-українською мовою,      2- російською мовою, "
     "3-англійською мовою)",
     fonts::caption, NoFrame, WordWrap},
    {"QRLabel136", Label, 360, 384, 200, 15, "9027. Н а з в а   р о б о т и", kBold, NoFrame,
     AutoSize | Opaque},
    {"QRMemo26", Memo, 359, 417, 358, 621, "", kData, NoFrame, WordWrap},
};

} // namespace

TQRRk1::TQRRk1(QObject *parent)
    : ReportSheet({"QRRk1", PageFormat::front(), {718, 1040}, kItems}, parent)
{}
