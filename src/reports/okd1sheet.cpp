// Layout of the dissertation card (OKD), page 1: head, scientific council
// and the four organisations in the left column; the applicant, degree,
// codes and the title in the right column.
#include "reports/sheets.h"

using namespace layout;

namespace {

constexpr CellRow kRegistration{&cellpatterns::okdRegistration, "0000U000000"};
constexpr CellRow kOrganisationCode{&cellpatterns::okdOrganisationCode, "00000000"};
constexpr CellRow kSpeciality{&cellpatterns::okdSpeciality, "00.00.00"};
constexpr CellRow kDefenceDate{&cellpatterns::okdDefenceDate, "00.00.00"};

constexpr FontSpec kData = fonts::data;
constexpr FontSpec kUnderlined = fonts::dataUnderlined;
constexpr FontSpec kBold = fonts::captionBold;

const ItemSpec kItems[] = {
    {"QRLabel100", Label, 8, 2, 500, 23, "ОБЛІКОВА  КАРТКА  ДИСЕРТАЦІЇ  (ОКД)", fonts::cardTitle,
     NoFrame, AutoSize},
    {"QRShape1", HLine, 0, 24, 718, 1},
    {"QRShape2", VLine, 352, 25, 1, 1015},

    // Head and council.
    {"QRLabel101", Label, 8, 30, 140, 15, "5013. Дисертація"},
    {"QRLabel1", Label, 150, 28, 190, 19, "", kData, Bottom},
    {"QRLabel102", Label, 8, 50, 160, 15, "5256. Особливі позначки"},
    {"QRLabel2", Label, 170, 48, 170, 19, "", kData, Bottom},
    {"QRLabel103", Label, 8, 70, 337, 15, "5418. №, дата супровідного листа"},
    {"QRLabel3", Label, 8, 86, 337, 19, "", kData, Bottom},
    {"QRLabel104", Label, 8, 112, 337, 15, "ВІДОМОСТІ ПРО СПЕЦІАЛІЗОВАНУ ВЧЕНУ РАДУ", kBold},
    {"QRLabel105", Label, 8, 130, 160, 15, "7452. Шифр вченої ради"},
    {"QRLabel8", Label, 170, 128, 170, 21, "", kData, Bottom},
    {"QRLabel106", Label, 8, 152, 110, 15, "7461. Телефон"},
    {"QRLabel9", Label, 120, 150, 220, 19, "", kData, Bottom},

    // Organisation where the defence took place.
    {"QRLabel107", Label, 8, 174, 337, 15, "ВІДОМОСТІ ПРО ОРГАНІЗАЦІЮ, У ВЧЕНІЙ", kBold},
    {"QRLabel108", Label, 8, 189, 337, 15, "РАДІ ЯКОЇ ВІДБУВСЯ ЗАХИСТ", kBold},
    {"QRLabel109", Label, 8, 206, 337, 15, "2430. Ідентифікаційний код за ЄДРПОУ"},
    {"QRMemo9", Memo, 56, 222, 180, 20, "", fonts::cells, Box, 0, kOrganisationCode},
    {"QRLabel110", Label, 8, 246, 337, 30,
     "1334. Скорочена офіційна назва міністерства (іншого центрального органу виконавчої влади)",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo1", Memo, 8, 276, 337, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel111", Label, 8, 314, 337, 15, "2304. Назва"},
    {"QRMemo18", Memo, 8, 330, 337, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel112", Label, 8, 368, 337, 15, "2637. Адреса"},
    {"QRMemo19", Memo, 8, 384, 337, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel113", Label, 8, 424, 110, 15, "2936. Телефон"},
    {"QRLabel30", Label, 120, 422, 220, 19, "", kData, Bottom},

    // Organisation where the dissertation was done.
    {"QRLabel114", Label, 8, 448, 337, 15, "ВІДОМОСТІ ПРО ОРГАНІЗАЦІЮ, В ЯКІЙ БУЛО ", kBold},
    {"QRLabel115", Label, 8, 463, 337, 15, "ВИКОНАНО ДИСЕРТАЦІЮ", kBold},
    {"QRLabel116", Label, 8, 480, 337, 15, "3240. Ідентифікаційний код за ЄДРПОУ"},
    {"QRMemo7", Memo, 56, 496, 180, 20, "", fonts::cells, Box, 0, kOrganisationCode},
    {"QRLabel117", Label, 8, 520, 337, 15, "3330. Назва"},
    {"QRMemo20", Memo, 8, 536, 337, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel118", Label, 8, 574, 337, 15, "3276. Адреса"},
    {"QRMemo10", Memo, 8, 590, 337, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel119", Label, 8, 630, 110, 15, "3294. Телефон"},
    {"QRLabel29", Label, 120, 628, 220, 19, "", kData, Bottom},

    // Organisation where the applicant works.
    {"QRLabel120", Label, 8, 654, 337, 15, "ВІДОМОСТІ ПРО ОРГАНІЗАЦІЮ, ДЕ ПРАЦЮЄ", kBold},
    {"QRLabel121", Label, 8, 669, 337, 15, "ЗДОБУВАЧ", kBold},
    {"QRLabel122", Label, 8, 686, 337, 15, "2484. Ідентифікаційний код за ЄДРПОУ"},
    {"QRMemo8", Memo, 56, 702, 180, 20, "", fonts::cells, Box, 0, kOrganisationCode},
    {"QRLabel123", Label, 8, 726, 337, 15, "2187. Назва"},
    {"QRMemo22", Memo, 8, 742, 337, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel124", Label, 8, 780, 337, 15, "2781. Адреса"},
    {"QRMemo23", Memo, 8, 796, 337, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel125", Label, 8, 836, 110, 15, "2988. Телефон"},
    {"QRLabel28", Label, 120, 834, 220, 19, "", kData, Bottom},

    // Leading organisation.
    {"QRLabel126", Label, 8, 860, 337, 15, "ВІДОМОСТІ ПРО ПРОВІДНУ ОРГАНІЗАЦІЮ", kBold},
    {"QRLabel127", Label, 8, 877, 337, 15, "2493. Ідентифікаційний код за ЄДРПОУ"},
    {"QRMemo13", Memo, 56, 893, 180, 20, "", fonts::cells, Box, 0, kOrganisationCode},
    {"QRLabel128", Label, 8, 917, 337, 15, "2196. Назва"},
    {"QRMemo14", Memo, 8, 933, 337, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel129", Label, 8, 971, 337, 15, "2790. Адреса"},
    {"QRMemo16", Memo, 8, 987, 337, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel130", Label, 8, 1024, 110, 15, "2997. Телефон"},
    {"QRLabel27", Label, 120, 1021, 220, 19, "", kData, Bottom},

    // Right column.
    {"QRLabel131", Label, 360, 28, 350, 15, "5438. Державний обліковий номер", kBold},
    {"QRMemo4", Memo, 400, 45, 255, 20, "", fonts::cells, Box, 0, kRegistration},
    {"QRLabel132", Label, 360, 72, 350, 45,
     "6147. Прізвище, ім'я, по батькові здобувача (1 - українською мовою, 2 - російською мовою, "
     "3 - англійською мовою",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo5", Memo, 360, 118, 350, 64, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel133", Label, 360, 184, 190, 15, "6642. Аспірантура"},
    {"QRLabel33", Label, 560, 182, 60, 19, "", kData, Box},
    {"QRLabel134", Label, 360, 204, 350, 15, "7425. На здобуття наукового ступеня"},
    {"QRLabel34", Label, 360, 220, 350, 19, "", kUnderlined},
    {"QRLabel135", Label, 360, 244, 350, 15, "6444. Шифр наукової спеціальності"},
    {"QRMemo21", Memo, 360, 260, 185, 20, "", fonts::cells, Box, 0, kSpeciality},
    {"QRLabel47", Label, 556, 260, 150, 19, "", kData, Bottom},
    {"QRLabel136", Label, 360, 286, 208, 15, "6480. № спеціальності за освітою"},
    {"QRLabel37", Label, 570, 284, 140, 21, "", kData, Bottom},
    {"QRLabel137", Label, 360, 308, 130, 15, "7434. Дата захисту  "},
    {"QRMemo15", Memo, 500, 306, 173, 20, "", fonts::cells, Box, 0, kDefenceDate},
    {"QRLabel138", Label, 360, 332, 350, 15, "7020. Шифр ДНТП"},
    {"QRLabel40", Label, 360, 348, 350, 19, "", kUnderlined},
    {"QRLabel139", Label, 360, 372, 350, 15, "7021. Шифр роботи, наданий організацією"},
    {"QRMemo24", Memo, 360, 388, 350, 36, "", kUnderlined, NoFrame, WordWrap},
    {"QRLabel140", Label, 360, 430, 255, 15, "7443. Підсумки дослідження"},
    {"QRLabel42", Label, 620, 428, 90, 19, "", kData, Bottom},
    {"QRLabel141", Label, 360, 450, 255, 15, "7344.Упровадження результатів роботи"},
    {"QRLabel43", Label, 620, 448, 90, 19, "", kData, Bottom},
    {"QRLabel142", Label, 360, 470, 255, 15, "5535. Умови розповсюдження в Україні"},
    {"QRLabel44", Label, 620, 468, 90, 19, "", kData, Bottom},
    {"QRLabel143", Label, 360, 490, 258, 15, "5211. Умови передачі зарубіжним країнам"},
    {"QRLabel45", Label, 620, 488, 90, 19, "", kData, Bottom},
    {"QRLabel144", Label, 360, 514, 350, 30,
     "9045. Назва дисертації (1-української мовою, 2- російською мовою, 3-англійською мовою)",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo26", Memo, 360, 546, 350, 490, "", kData, NoFrame, WordWrap},
};

} // namespace

TQROkd1::TQROkd1(QObject *parent)
    : ReportSheet({"QROkd1", PageFormat::front(), {718, 1040}, kItems}, parent)
{}
