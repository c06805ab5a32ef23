// Layout of the registration card (RK), page 2: aim, expected results and
// co-executors in the left column; stages 1 to 4, UDC, rubric codes and the
// signatures in the right column.
#include "reports/sheets.h"

using namespace layout;

namespace {

constexpr CellRow kMonthYear{&cellpatterns::rkMonthYear, "00.00"};
constexpr CellRow kReportKind{&cellpatterns::rkReportKind, "00"};
constexpr CellRow kRubric{&cellpatterns::rkRubric, "00.00.00"};

constexpr FontSpec kData = fonts::data;
constexpr FontSpec kBold = fonts::captionBold;

const ItemSpec kItems[] = {
    {"QRShape1", VLine, 334, 0, 1, 1020},

    // Left column.
    {"QRLabel100", Label, 0, 12, 313, 15, "9126. Мета роботи", kBold},
    {"QRMemo3", Memo, 0, 31, 313, 246, "", kData, NoFrame, WordWrap},
    {"QRLabel101", Label, 1, 316, 329, 15, "9153. Очікувані результати", kBold},
    {"QRMemo16", Memo, 1, 336, 329, 341, "", kData, NoFrame, WordWrap},
    {"QRLabel102", Label, 6, 705, 319, 15, "2142. Співвиконавці", kBold},
    {"QRMemo20", Memo, 6, 726, 319, 79, "", kData, NoFrame, WordWrap},
    {"QRMemo21", Memo, 6, 811, 319, 79, "", kData, NoFrame, WordWrap},
    {"QRMemo22", Memo, 6, 895, 319, 73, "", kData, NoFrame, WordWrap},
    {"QRLabel28", Label, 208, 989, 120, 15, "", fonts::caption, NoFrame, AutoSize},

    // Stages 1 to 4: number, start, end and report kind cells, name.
    {"QRLabel103", Label, 340, 0, 341, 15, "9036.Порядковий №; початок та закінчення етапу;"},
    {"QRLabel104", Label, 340, 15, 341, 15, "вид звітного документа з НДР (ДКР); назва етапу"},
    {"QRLabel105", Label, 340, 35, 30, 18, "1.", kData},
    {"QRMemo17", Memo, 373, 33, 110, 20, "", fonts::cells, Box, 0, kMonthYear},
    {"QRMemo18", Memo, 493, 33, 110, 20, "", fonts::cells, Box, 0, kMonthYear},
    {"QRMemo19", Memo, 616, 33, 44, 20, "", fonts::cells, Box, 0, kReportKind},
    {"QRMemo24", Memo, 337, 56, 340, 85, "", kData, NoFrame, WordWrap},
    {"QRLabel106", Label, 340, 147, 30, 18, "2.", kData},
    {"QRMemo12", Memo, 373, 145, 110, 20, "", fonts::cells, Box, 0, kMonthYear},
    {"QRMemo25", Memo, 493, 145, 110, 20, "", fonts::cells, Box, 0, kMonthYear},
    {"QRMemo26", Memo, 616, 145, 44, 20, "", fonts::cells, Box, 0, kReportKind},
    {"QRMemo5", Memo, 337, 166, 340, 85, "", kData, NoFrame, WordWrap},
    {"QRLabel107", Label, 340, 259, 30, 18, "3.", kData},
    {"QRMemo13", Memo, 373, 257, 110, 20, "", fonts::cells, Box, 0, kMonthYear},
    {"QRMemo29", Memo, 493, 257, 110, 20, "", fonts::cells, Box, 0, kMonthYear},
    {"QRMemo30", Memo, 616, 257, 44, 20, "", fonts::cells, Box, 0, kReportKind},
    {"QRMemo14", Memo, 337, 279, 340, 85, "", kData, NoFrame, WordWrap},
    {"QRLabel108", Label, 340, 371, 30, 18, "4.", kData},
    {"QRMemo31", Memo, 373, 369, 110, 20, "", fonts::cells, Box, 0, kMonthYear},
    {"QRMemo32", Memo, 493, 369, 110, 20, "", fonts::cells, Box, 0, kMonthYear},
    {"QRMemo33", Memo, 616, 369, 44, 20, "", fonts::cells, Box, 0, kReportKind},
    {"QRMemo27", Memo, 337, 388, 340, 68, "", kData, NoFrame, WordWrap},
    // "(див. продовження)" under the last stage, ending at the band's edge.
    {"QRLabel13", Label, 531, 458, 150, 15, "", fonts::caption, NoFrame, AlignRight},

    // UDC and rubric codes.
    {"QRLabel109", Label, 340, 475, 337, 15, "5634. Індекс УДК"},
    {"QRMemo28", Memo, 340, 491, 337, 34, "", fonts::captionUnderlined, NoFrame, WordWrap},
    {"QRLabel110", Label, 345, 528, 330, 15, "5616. Коди тематичних рубрик"},
    {"QRLabel15", Label, 345, 544, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel16", Label, 345, 568, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel17", Label, 345, 592, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel18", Label, 521, 544, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel19", Label, 521, 568, 153, 25, "", fonts::cells, Box, 0, kRubric},
    {"QRLabel20", Label, 521, 592, 153, 25, "", fonts::cells, Box, 0, kRubric},

    // Heads and signatures.
    {"QRLabel111", Label, 345, 622, 330, 15, "6111. Керівник організації - виконавця НДР (ДКР)",
     kBold},
    {"QRMemo4", Memo, 345, 638, 327, 21, "", fonts::dataUnderlined, NoFrame, 0},
    {"QRLabel112", Label, 345, 659, 327, 15, "(прізвище, ім'я по батькові)", fonts::caption,
     NoFrame, Center},
    {"QRLabel113", Label, 345, 677, 330, 15, "6210.Науковий ступінь, вчене звання керівника  "},
    {"QRLabel114", Label, 345, 692, 330, 15, "організації - виконавця НДР (ДКР)"},
    {"QRMemo8", Memo, 345, 710, 323, 21, "", kData, Bottom, 0},
    {"QRLabel115", Label, 345, 734, 330, 15,
     "Підпис                                               МП"},
    {"QRLabel116", Label, 345, 762, 150, 15, "6120. Керівник роботи", kBold, NoFrame, AutoSize},
    {"QRLabel117", Label, 495, 762, 185, 15, " (1 -  українською мовою,"},
    {"QRLabel118", Label, 345, 777, 330, 15, "2 - російською мовою, 3 - англійською мовою)"},
    {"QRMemo6", Memo, 345, 810, 327, 48, "", kData, NoFrame, WordWrap},
    {"QRLabel119", Label, 345, 861, 336, 15,
     "6228.Науковий ступінь, вчене звання керівника роботи"},
    {"QRMemo7", Memo, 345, 878, 323, 19, "", kData, Bottom, 0},
    {"QRLabel120", Label, 345, 900, 330, 15, "Підпис"},
    {"QRLabel121", Label, 343, 928, 335, 15, "6140. Керівник відділу держреєстрації ВЕРАКС", kBold},
    {"QRLabel24", Label, 343, 950, 329, 21, "", fonts::dataUnderlined},
    {"QRLabel122", Label, 343, 971, 329, 15, "(прізвище, ім'я, по батькові)", fonts::caption,
     NoFrame, Center},
    {"QRLabel123", Label, 343, 990, 335, 15,
     "Підпис                                               МП"},
};

} // namespace

TQRRk2::TQRRk2(QObject *parent)
    : ReportSheet({"QRRk2", PageFormat::back(), {681, 1020}, kItems}, parent)
{}
