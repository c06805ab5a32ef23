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

// Measured advances of the characters of every font size and style used so
// far. Only numbers are kept, no font objects, so it may outlive the
// application.
QHash<char16_t, double> *advancesOf(const FontSpec &fontRow)
{
    // One memory per thread: PDF files of a batch are written on several.
    static thread_local std::vector<std::pair<FontSpec, std::unique_ptr<QHash<char16_t, double>>>>
        fonts;
    for (auto &[known, advances] : fonts) {
        if (known == fontRow)
            return advances.get();
    }
    fonts.emplace_back(fontRow, std::make_unique<QHash<char16_t, double>>());
    return fonts.back().second.get();
}

} // namespace

ReportFont::ReportFont(const FontSpec &fontRow)
    : m_font(makeScaledFont(fontRow)), m_metrics(m_font), m_advances(advancesOf(fontRow))
{}

double ReportFont::advance(QStringView text) const
{
    // With kerning off and no ligatures in the report fonts, a text is as
    // wide as its characters together: each character is shaped once. Marks
    // and characters outside the basic plane are shaped with their text.
    double width = 0;
    for (const QChar c : text) {
        if (c.isSurrogate() || c.isMark())
            return m_metrics.horizontalAdvance(text.toString()) / kScale;
        const auto known = m_advances->constFind(c.unicode());
        if (known != m_advances->cend()) {
            width += *known;
            continue;
        }
        const double measured = m_metrics.horizontalAdvance(c) / kScale;
        m_advances->insert(c.unicode(), measured);
        width += measured;
    }
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
