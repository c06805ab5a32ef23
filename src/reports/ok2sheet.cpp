// Layout of the accounting card (OK), page 2: abstract, advantages and
// bibliographic description in the left column; codes, co-executors,
// rubrics and signatures in the right column.
#include "reports/sheets.h"

using namespace layout;

namespace {

constexpr CellRow kRegistration{&cellpatterns::okRegistration, "0000U000000"};
constexpr CellRow kRubric{&cellpatterns::okRubric, "00.00.00"};

constexpr FontSpec kData = fonts::data;
constexpr FontSpec kText = fonts::text15;
constexpr FontSpec kBold = fonts::captionBold;

const ItemSpec kItems[] = {
    {"QRShape1", VLine, 336, 0, 1, 1016},

    // Left column.
    {"QRLabel100", Label, 0, 0, 330, 30,
     "9117. Р е ф е р а т  (1-українською мовою, 2-російською мовою, 3-англійською мовою)",
     fonts::caption, NoFrame, WordWrap},
    // The abstract's box holds its 1,220 characters, the description's its
    // 160, at the normal size.
    {"QRMemo3", Memo, 0, 32, 330, 612, "", kText, NoFrame, WordWrap},
    {"QRLabel31", Label, 0, 645, 200, 15, "", fonts::caption, NoFrame, AutoSize},
    {"QRLabel101", Label, 0, 664, 330, 16, "5635.Перевага роботи над наявними аналогами"},
    {"QRMemo16", Memo, 0, 680, 330, 190, "", kText, NoFrame, WordWrap},
    {"QRLabel102", Label, 0, 874, 330, 31,
     "5481.Бібліографічний опис (статей, монографій, нормативно-технічної документації тощо)",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo17", Memo, 0, 906, 330, 90, "", kText, NoFrame, WordWrap},
    {"QRLabel32", Label, 0, 997, 200, 15, "", fonts::caption, NoFrame, AutoSize},

    // Right column: codes.
    {"QRLabel103", Label, 342, 2, 250, 15, "5490. Патенти (цифрою)"},
    {"QRLabel2", Label, 604, 0, 74, 19, "", kData, Bottom},
    {"QRLabel104", Label, 342, 22, 250, 15, "5562. Звіт про патенті дослідження"},
    {"QRLabel3", Label, 604, 20, 74, 19, "", kData, Bottom},
    {"QRLabel105", Label, 342, 42, 250, 15, "7344. Упровадження результатів роботи"},
    {"QRLabel4", Label, 604, 40, 74, 19, "", kData, Bottom},
    {"QRLabel106", Label, 342, 62, 250, 15, "5040. Вид звітного документа"},
    {"QRLabel5", Label, 604, 60, 74, 19, "", kData, Bottom},
    {"QRLabel107", Label, 342, 82, 250, 15, "5715. Мова документа"},
    {"QRLabel6", Label, 604, 80, 74, 19, "", kData, Bottom},
    {"QRLabel108", Label, 342, 102, 250, 15, "5742. Кількість сторінок"},
    {"QRLabel7", Label, 604, 100, 74, 19, "", kData, Bottom},
    {"QRLabel109", Label, 342, 122, 250, 15, "7209. Комплексність роботи (цифрою)"},
    {"QRLabel8", Label, 604, 120, 74, 19, "", kData, Bottom},
    {"QRLabel110", Label, 342, 144, 339, 30,
     "7210.Державний реєстраційний номер роботи головної організації - виконавця НДР (ДКР)",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo12", Memo, 380, 176, 255, 20, "", fonts::cells, Box, 0, kRegistration},

    // Co-executors 1 and 2; the others go to the co-executor page.
    {"QRLabel111", Label, 342, 202, 250, 15, "2142.Співвиконавці"},
    {"QRLabel33", Label, 560, 202, 121, 15, "", fonts::caption, NoFrame, AlignRight},
    {"QRMemo5", Memo, 342, 218, 339, 118, "", kText, NoFrame, WordWrap},

    {"QRLabel112", Label, 342, 342, 250, 15, "5535. Умови розповсюдження в Україні"},
    {"QRLabel26", Label, 604, 340, 74, 19, "", kData, Bottom},
    {"QRLabel113", Label, 342, 362, 260, 15, "5211. Умови передачі зарубіжним країнам"},
    {"QRLabel27", Label, 604, 360, 74, 19, "", kData, Bottom},
    {"QRLabel114", Label, 342, 382, 196, 15, "6012. Ціна звітної документації"},
    {"QRLabel28", Label, 540, 380, 138, 19, "", kData, Bottom},
    {"QRLabel115", Label, 342, 404, 339, 15, "7326. Продукція, що пропонується до реалізації"},
    {"QRMemo14", Memo, 342, 420, 339, 40, "", kData, NoFrame, WordWrap},
    {"QRLabel116", Label, 342, 466, 339, 15, "5634. Індекс УДК"},
    {"QRLabel13", Label, 342, 482, 339, 19, "", kData, Bottom},
    {"QRLabel117", Label, 342, 506, 339, 15, "5616. Коди тематичних рубрик"},
    {"QRLabel15", Label, 345, 522, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel16", Label, 345, 546, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel17", Label, 345, 570, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel18", Label, 521, 522, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel19", Label, 521, 546, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel20", Label, 521, 570, 153, 25, "", fonts::cells, Box, 0, kRubric},

    // Heads and signatures.
    {"QRLabel118", Label, 345, 604, 336, 15, "6111. Керівник організації - виконавця НДР (ДКР)",
     kBold},
    {"QRMemo4", Memo, 345, 620, 327, 21, "", fonts::dataUnderlined, NoFrame, 0},
    {"QRLabel119", Label, 345, 641, 327, 15, " (прізвище, ім'я, по батькові)         ",
     fonts::caption, NoFrame, Center},
    {"QRLabel120", Label, 345, 660, 336, 30,
     "6210.Науковий ступінь, вчене звання керівника  організації - виконавця НДР (ДКР)",
     fonts::caption, NoFrame, WordWrap},
    {"QRMemo8", Memo, 345, 692, 323, 21, "", kData, Bottom, 0},
    {"QRLabel121", Label, 345, 715, 336, 15,
     "    Підпис                                               МП"},
    {"QRLabel122", Label, 345, 738, 150, 15, "6120. Керівник роботи", kBold, NoFrame, AutoSize},
    {"QRLabel123", Label, 495, 738, 186, 15, "(1 - українською мовою,       "},
    {"QRLabel124", Label, 345, 753, 336, 15, "2 - російською мовою, 3 - англійською мовою)"},
    {"QRMemo6", Memo, 345, 770, 327, 48, "", kData, NoFrame, WordWrap},
    {"QRLabel125", Label, 345, 822, 336, 15,
     "6228.Науковий ступінь, вчене звання керівника роботи"},
    {"QRMemo7", Memo, 345, 838, 323, 19, "", kData, Bottom, 0},
    {"QRLabel126", Label, 345, 859, 336, 15, "     Підпис                                    "},
    {"QRLabel127", Label, 345, 882, 336, 15, "6140. Керівник відділу держреєстрації ВЕРАКС", kBold},
    {"QRLabel24", Label, 345, 898, 327, 21, "", fonts::dataUnderlined},
    {"QRLabel128", Label, 345, 919, 336, 15, "                  (прізвище, ім'я, по батькові)"},
    {"QRLabel129", Label, 345, 948, 336, 15,
     "    Підпис                                               МП"},
};

} // namespace

TQROk2::TQROk2(QObject *parent)
    : ReportSheet({"QROk2", PageFormat::back().withTop(9), {681, 1016}, kItems}, parent)
{}
