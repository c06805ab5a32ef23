// Layout of the accounting card (OK), page 1: head, executor and owner in
// the left column; registration, classification, stage and title in the
// right column.
#include "reports/sheets.h"

using namespace layout;

namespace {

constexpr CellRow kRegistration{&cellpatterns::okRegistration, "0000U000000"};
constexpr CellRow kOrganisationCode{&cellpatterns::okOrganisationCode, "0000000000"};
constexpr CellRow kMonthYear{&cellpatterns::okMonthYear, "00.00"};

constexpr FontSpec kData = fonts::data;
constexpr FontSpec kUnderlined = fonts::dataUnderlined;
constexpr FontSpec kBold = fonts::captionBold;
constexpr FontSpec kNarrowBold{12, true};
constexpr FontSpec kNarrowCaption{12};

const ItemSpec kItems[] = {
    {"QRLabel100", Label, 8, 2, 500, 23, "ОБЛІКОВА  КАРТКА  НДР І ДКР  (ОК)", fonts::cardTitle,
     NoFrame, AutoSize},
    {"QRShape1", HLine, 0, 24, 680, 1},
    {"QRShape2", VLine, 342, 25, 1, 1015},

    // Head.
    {"QRLabel101", Label, 8, 30, 140, 15, "5013. Облікова картка"},
    {"QRLabel1", Label, 150, 28, 185, 19, "", kData, Bottom},
    {"QRLabel102", Label, 8, 50, 160, 15, "5256. Особливі позначки"},
    {"QRLabel2", Label, 170, 48, 165, 19, "", kData, Bottom},
    {"QRLabel103", Label, 8, 70, 327, 15, "5418. №, дата супровідного листа"},
    {"QRLabel3", Label, 8, 86, 327, 19, "", kUnderlined},
    {"QRLabel104", Label, 8, 110, 327, 15, " 5436. Державний реєстраційний номер"},
    {"QRMemo2", Memo, 40, 127, 260, 20, "", fonts::cells, Box, 0, kRegistration},

    // Executor.
    {"QRLabel105", Label, 8, 152, 327, 15, "ВІДОМОСТІ ПРО ВИКОНАВЦЯ НДР (ДКР)", kBold},
    {"QRLabel106", Label, 8, 168, 327, 15, "2457. Ідентифікаційний код за ЄДРПОУ"},
    {"QRMemo9", Memo, 56, 185, 221, 20, "", fonts::cells, Box, 0, kOrganisationCode,
     "QRShape17 QRShape20"},
    {"QRLabel107", Label, 8, 210, 327, 30,
     "2151. Назва (1-українською мовою, 2-російською мовою, 3-англійською мовою)", fonts::caption,
     NoFrame, WordWrap},
    {"QRMemo18", Memo, 8, 240, 327, 110, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel108", Label, 8, 352, 327, 15, "2358. Скорочена назва"},
    {"QRMemo20", Memo, 8, 368, 327, 38, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel109", Label, 8, 408, 327, 15, "2655. Адреса"},
    {"QRMemo19", Memo, 8, 424, 327, 38, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel110", Label, 8, 466, 110, 15, "2934. Телефон"},
    {"QRLabel30", Label, 120, 464, 215, 19, "", kData},
    {"QRLabel111", Label, 8, 484, 110, 15, "2394.Факс"},
    {"QRLabel9", Label, 120, 482, 215, 19, "", kData},
    {"QRLabel33", Label, 8, 502, 110, 15, ""},
    {"QRLabel34", Label, 120, 500, 215, 19, "", kData},
    {"QRLabel112", Label, 8, 522, 327, 45,
     "1332.Скорочена офіційна назва міністерства (іншого центрального органа виконавчої влади), "
     "якому підпорядковується організація - виконавець НДР (ДКР)",
     kNarrowCaption, NoFrame, WordWrap},
    {"QRMemo10", Memo, 8, 568, 327, 36, "", kUnderlined, NoFrame, WordWrap},

    // Owner of the results.
    {"QRLabel113", Label, 8, 610, 330, 15, "ВІДОМОСТІ ПРО ВЛАСНИКА РЕЗУЛЬТАТІВ НДР (ДКР)",
     kNarrowBold},
    {"QRLabel114", Label, 8, 626, 327, 15, "2459. Ідентифікаційний код за ЄДРПОУ"},
    {"QRMemo8", Memo, 56, 643, 221, 20, "", fonts::cells, Box, 0, kOrganisationCode,
     "QRShape35 QRShape36"},
    {"QRLabel115", Label, 8, 668, 327, 15, "2153. Назва"},
    {"QRMemo22", Memo, 8, 684, 327, 50, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel116", Label, 8, 736, 327, 15, "2360. Скорочена назва"},
    {"QRMemo1", Memo, 8, 752, 327, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel117", Label, 8, 790, 327, 15, "2657. Адреса"},
    {"QRMemo7", Memo, 8, 806, 327, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel118", Label, 8, 846, 110, 15, "2935. Телефон"},
    {"QRLabel21", Label, 120, 844, 215, 19, "", kData},
    {"QRLabel119", Label, 8, 864, 110, 15, "2395.Факс"},
    {"QRLabel22", Label, 120, 862, 215, 19, "", kData},
    {"QRLabel31", Label, 8, 882, 110, 15, ""},
    {"QRLabel32", Label, 120, 880, 215, 19, "", kData},
    {"QRLabel120", Label, 8, 902, 327, 45,
     "1333.Скорочена офіційна назва міністерства (іншого центрального органа виконавчої влади), "
     "якому підпорядковується організація - власник НДР (ДКР)",
     kNarrowCaption, NoFrame, WordWrap},
    {"QRMemo11", Memo, 8, 948, 327, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel121", Label, 8, 990, 327, 15, "5518. № юридичного документа, дата видачі"},
    {"QRLabel25", Label, 8, 1006, 327, 19, "", kUnderlined},

    // Right column.
    {"QRLabel122", Label, 350, 30, 330, 15, "5437. Державний обліковий номер", kBold},
    {"QRMemo4", Memo, 385, 47, 255, 20, "", fonts::cells, Box, 0, kRegistration},
    {"QRLabel123", Label, 350, 74, 330, 15, "7200. ДНТП (цифрою)"},
    {"QRLabel27", Label, 350, 90, 330, 19, "", kData, Bottom},
    {"QRLabel124", Label, 350, 114, 330, 15, "7020. Шифр ДНТП"},
    {"QRLabel40", Label, 350, 130, 330, 19, "", kData, Bottom},
    {"QRLabel125", Label, 350, 156, 118, 15, "7022. Номер ДЦП"},
    {"QRLabel35", Label, 470, 154, 210, 19, "", kData, Bottom},
    {"QRLabel126", Label, 350, 178, 148, 15, "7199. Науковий напрям"},
    {"QRLabel38", Label, 500, 176, 180, 19, "", kData, Bottom},
    {"QRLabel127", Label, 350, 200, 330, 15, "7021. Шифр роботи"},
    {"QRMemo24", Memo, 350, 216, 330, 34, "", fonts::captionUnderlined, NoFrame, WordWrap},
    {"QRLabel128", Label, 350, 256, 330, 30,
     "9036. Порядковий №; початок; закінчення єтапу; вид етапу; назва єтапу НДР (ДКР)",
     fonts::caption, NoFrame, WordWrap},
    {"QRLabel129", Label, 350, 290, 16, 15, "№"},
    {"QRMemo15", Memo, 368, 288, 32, 20, "", kData, Box},
    {"QRMemo13", Memo, 408, 288, 108, 20, "", fonts::cells, Box, 0, kMonthYear},
    {"QRMemo5", Memo, 524, 288, 108, 20, "", fonts::cells, Box, 0, kMonthYear},
    {"QRMemo17", Memo, 640, 288, 36, 20, "", kData, Box},
    {"QRMemo14", Memo, 350, 312, 330, 70, "", kData, NoFrame, WordWrap},
    {"QRLabel130", Label, 350, 388, 330, 15, "5526. № держобліку виконаних етапів роботи"},
    {"QRMemo16", Memo, 350, 404, 330, 40, "", kData, NoFrame, WordWrap},
    {"QRLabel131", Label, 350, 452, 330, 30,
     "9027. Назва роботи (1 - української мовою, 2 - російською мовою, 3 - англійською мовою)",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo26", Memo, 350, 484, 330, 550, "", kData, NoFrame, WordWrap},
};

} // namespace

TQROk1::TQROk1(QObject *parent)
    : ReportSheet({"QROk1", PageFormat::front().withRight(20), {680, 1040}, kItems}, parent)
{}
