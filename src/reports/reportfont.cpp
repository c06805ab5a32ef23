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

// Measured advances of every font size and style used so far. Only
// numbers are kept, no font objects, so it may outlive the application.
QHash<QString, double> *advancesOf(const FontSpec &fontRow)
{
    // Above this many texts a font's memory starts afresh.
    constexpr qsizetype kMostTexts = 4096;
    static std::vector<std::pair<FontSpec, std::unique_ptr<QHash<QString, double>>>> fonts;
    for (auto &[known, advances] : fonts) {
        if (known == fontRow) {
            if (advances->size() > kMostTexts)
                advances->clear();
            return advances.get();
        }
    }
    fonts.emplace_back(fontRow, std::make_unique<QHash<QString, double>>());
    return fonts.back().second.get();
}

} // namespace

ReportFont::ReportFont(const FontSpec &fontRow)
    : m_font(makeScaledFont(fontRow)), m_metrics(m_font), m_advances(advancesOf(fontRow))
{}

double ReportFont::advance(const QString &text) const
{
    const auto known = m_advances->constFind(text);
    if (known != m_advances->cend())
        return *known;
    const double width = m_metrics.horizontalAdvance(text) / kScale;
    m_advances->insert(text, width);
    return width;
}

double ReportFont::ascent() const
{
    return m_metrics.ascent() / kScale;
}

double ReportFont::lineHeight() const
{
    return m_metrics.height() / kScale;
}
