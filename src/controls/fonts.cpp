#include "controls/fonts.h"

#include <QFontMetrics>
#include <QStringList>

namespace {
QFont makeFont(const QStringList &families, QFont::StyleHint hint, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
} // namespace

namespace fonts {

QFont sans(int pixelSize, bool bold)
{
    return makeFont({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}, QFont::SansSerif,
                    pixelSize, bold);
}

QFont serif(int pixelSize, bool bold)
{
    return makeFont({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")},
                    QFont::Serif, pixelSize, bold);
}

QFont mono(int pixelSize, bool bold)
{
    return makeFont({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")},
                    QFont::TypeWriter, pixelSize, bold);
}

QFont ownFaceOnly(const QFont &font, const QString &text)
{
    QFont single = font;
    single.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
    const QFontMetrics metrics(single);
    for (const char32_t character : text.toUcs4()) {
        if (!metrics.inFontUcs4(character))
            return font;
    }
    return single;
}

} // namespace fonts
