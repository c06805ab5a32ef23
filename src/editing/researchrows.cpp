#include "editing/researchrows.h"

#include <QtGlobal>

#include <array>

using namespace Qt::StringLiterals;

// Rows name only the columns they use; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace researchrows {

const QString noHelp = u"Допомоги немає"_s;
const QString hintMonthYear = u"Дата проставляється у вигляді :  ММ.РР"_s;

namespace {

// A text box that marks the card changed and offers no help.
FieldSpec plainBox(const QString &name, const QString &label)
{
    return {.name = name, .label = label, .hint = noHelp, .flags = Changed};
}

const std::array<FieldSpec, 9> &rows()
{
    static const std::array<FieldSpec, 9> table{{
        plainBox(u"ed2358"_s, u"2358. Скорочена назва"_s),
        plainBox(u"ed2934"_s, u"2934. Телефон"_s),
        plainBox(u"ed2394"_s, u"2394. Факс"_s),
        plainBox(u"ed7020"_s, u"7020. Шифр ДНТП"_s),
        plainBox(u"ed7021"_s, u"7021. Шифр роботи"_s),
        plainBox(u"ed6111"_s, u"6111. Керівник організації"_s),
        plainBox(u"ed6120"_s, u"6120. Керівник розробки"_s),
        {.name = u"gorv"_s, .label = u"Місто"_s},
        {.name = u"gorz"_s, .label = u"Місто"_s},
    }};
    return table;
}

} // namespace

FieldSpec row(QStringView name)
{
    for (const FieldSpec &shared : rows()) {
        if (shared.name == name)
            return shared;
    }
    qFatal("no shared catalogue row %s", qPrintable(name.toString()));
}

} // namespace researchrows
