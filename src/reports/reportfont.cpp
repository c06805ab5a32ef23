#include "reports/reportfont.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

QString reportFontFamily()
{
    static const QString family = [] {
        for (const char *name : {"Arial", "Liberation Sans"}) {
            if (QFontDatabase::hasFamily(QString::fromLatin1(name)))
                return QString::fromLatin1(name);
        }
        return QFontInfo(QFont(QStringLiteral("Sans Serif"))).family();
    }();
    return family;
}

struct ReportFont::Measures
{
    QHash<char16_t, double> advances;
    std::optional<double> ascent;
    std::optional<double> lineHeight;
};

namespace {

QFont makeScaledFont(const FontSpec &fontRow)
{
    QFont font(reportFontFamily());
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(fontRow.pixels * ReportFont::kScale))));
    font.setBold(fontRow.bold);
    font.setUnderline(fontRow.underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

// What has been measured of every font size and style used so far. Only
// numbers are kept, no font objects, so it may outlive the application.
ReportFont::Measures *measuresOf(const FontSpec &fontRow)
{
    // One memory per thread: PDF files of a batch are written on several.
    static thread_local std::vector<std::pair<FontSpec, std::unique_ptr<ReportFont::Measures>>>
        fonts;
    for (auto &[known, measures] : fonts) {
        if (known == fontRow)
            return measures.get();
    }
    fonts.emplace_back(fontRow, std::make_unique<ReportFont::Measures>());
    return fonts.back().second.get();
}

} // namespace

ReportFont::ReportFont(const FontSpec &fontRow) : m_row(fontRow), m_measures(measuresOf(fontRow)) {}

const ReportFont::Shaping &ReportFont::shaping() const
{
    if (!m_shaping) {
        QFont font = makeScaledFont(m_row);
        m_shaping.emplace(Shaping{font, QFontMetricsF(font)});
    }
    return *m_shaping;
}

double ReportFont::advance(QStringView text) const
{
    // With kerning off and no ligatures in the report fonts, a text is as
    // wide as its characters together: each character is shaped once. Marks
    // and characters outside the basic plane are shaped with their text.
    QHash<char16_t, double> &advances = m_measures->advances;
    double width = 0;
    for (const QChar c : text) {
        if (c.isSurrogate() || c.isMark())
            return shaping().metrics.horizontalAdvance(text.toString()) / kScale;
        const auto known = advances.constFind(c.unicode());
        if (known != advances.cend()) {
            width += *known;
            continue;
        }
        const double measured = shaping().metrics.horizontalAdvance(c) / kScale;
        advances.insert(c.unicode(), measured);
        width += measured;
    }
    return width;
}

double ReportFont::ascent() const
{
    if (!m_measures->ascent)
        m_measures->ascent = shaping().metrics.ascent() / kScale;
    return *m_measures->ascent;
}

double ReportFont::lineHeight() const
{
    if (!m_measures->lineHeight)
        m_measures->lineHeight = shaping().metrics.height() / kScale;
    return *m_measures->lineHeight;
}
