#include "reports/reportfont.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <cmath>

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

} // namespace

ReportFont::ReportFont(const FontSpec &fontRow) : m_font(makeScaledFont(fontRow)), m_metrics(m_font)
{}

double ReportFont::advance(const QString &text) const
{
    return m_metrics.horizontalAdvance(text) / kScale;
}

double ReportFont::ascent() const
{
    return m_metrics.ascent() / kScale;
}

double ReportFont::lineHeight() const
{
    return m_metrics.height() / kScale;
}
