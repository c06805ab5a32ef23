#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <optional>

// The font of a printed item, in layout pixels (1/96 inch). Sizes may be
// fractional: the boxed character cells are printed at 11 points.
struct FontSpec
{
    double pixels = 13;
    bool bold = false;
    bool underline = false;

    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

// Font sizes the forms use.
namespace fonts {
inline constexpr FontSpec caption{13};           // printed field captions
inline constexpr FontSpec captionBold{13, true}; // section headings
inline constexpr FontSpec cardTitle{19, true};   // the card's own heading
inline constexpr FontSpec data{16};              // filled-in values
inline constexpr FontSpec dataUnderlined{16, false, true};
inline constexpr FontSpec text15{15}; // long texts, continuation headings
inline constexpr FontSpec captionUnderlined{13, false, true};
inline constexpr FontSpec cells{44.0 / 3.0}; // boxed character cells (11 pt)
} // namespace fonts

// The family that stands for Arial on this system: Arial itself when it is
// installed, else its metric twin Liberation Sans, else the default sans.
QString reportFontFamily();

// A report font measured and drawn at a multiple of its size, so that
// fractional sizes and unhinted advances stay exact on every device.
class ReportFont
{
public:
    static constexpr double kScale = 8.0;

    explicit ReportFont(const FontSpec &fontRow);

    // The font to draw with under a painter scaled by 1 / kScale.
    const QFont &scaledFont() const { return shaping().font; }
    // Measures in layout pixels. The advance of each character is
    // remembered for the font's size and style.
    double advance(QStringView text) const;
    double advance(QChar c) const { return advance(QStringView(&c, 1)); }
    double ascent() const;
    double lineHeight() const;

    // What is known of a font size and style: what has been measured in it.
    struct Measures;

private:
    // The font object itself, made only when something has not been
    // measured yet or the font is drawn with.
    struct Shaping
    {
        QFont font;
        QFontMetricsF metrics;
    };
    const Shaping &shaping() const;

    FontSpec m_row;
    Measures *m_measures;
    mutable std::optional<Shaping> m_shaping;
};
