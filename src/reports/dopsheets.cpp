// Layout of the four shared continuation sheets: two columns of a long
// text, left and right of a vertical line at 344 that runs the whole band.
#include "reports/sheets.h"

#include <array>

using namespace layout;

namespace {

struct DopSize
{
    const char *name;
    PageFormat format;
    QSize band;
    int leftTextHeight; // QRMemo1, from 144 to the foot of the band
    int rightTextWidth; // QRMemo2
    int rightTextHeight;
};

constexpr unsigned kText = WordWrap;

class DopLayout
{
public:
    explicit DopLayout(const DopSize &size)
        : m_items{{
              {"QRShape1", VLine, 344, 0, 1, size.band.height()},
              {"QRLabel1", Label, 8, 10, 120, 18, "", fonts::text15, NoFrame, AutoSize},
              {"QRMemo3", Memo, 8, 32, 329, 89, "", fonts::data, NoFrame, kText},
              {"QRLabel2", Label, 9, 120, 120, 18, "", fonts::text15, NoFrame, AutoSize},
              {"QRMemo1", Memo, 8, 144, 329, size.leftTextHeight, "", fonts::text15, NoFrame,
               kText},
              {"QRMemo2", Memo, 352, 8, size.rightTextWidth, size.rightTextHeight, "",
               fonts::text15, NoFrame, kText},
          }},
          m_size(size)
    {}
    SheetLayout get() const { return {m_size.name, m_size.format, m_size.band, m_items}; }

private:
    std::array<ItemSpec, 6> m_items;
    DopSize m_size;
};

const DopLayout &dopLayout(int which)
{
    static const std::array<DopLayout, 4> layouts{{
        DopLayout({"QRDop", PageFormat::back(), {681, 1012}, 879, 329, 998}),
        DopLayout({"QRDop1", PageFormat::front(), {718, 1048}, 894, 329, 1030}),
        DopLayout({"QRDop2", PageFormat::front(), {718, 1037}, 883, 329, 1019}),
        DopLayout({"QRDop3", PageFormat::front(), {718, 1044}, 890, 349, 1030}),
    }};
    return layouts[size_t(which)];
}

} // namespace

TQRDop::TQRDop(QObject *parent) : ReportSheet(dopLayout(0).get(), parent) {}
TQRDop1::TQRDop1(QObject *parent) : ReportSheet(dopLayout(1).get(), parent) {}
TQRDop2::TQRDop2(QObject *parent) : ReportSheet(dopLayout(2).get(), parent) {}
TQRDop3::TQRDop3(QObject *parent) : ReportSheet(dopLayout(3).get(), parent) {}
