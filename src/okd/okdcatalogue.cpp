#include "okd/okdcatalogue.h"

#include "cardfile/blankforms.h"
using namespace Qt::StringLiterals;

// Catalogue rows name only the columns they use; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using K = FieldKind;

constexpr unsigned kChanged = Changed;

// Hint lines are separated by line feed then carriage return.
QString hintLines(const QStringList &lines)
{
    return lines.join(u"\n\r"_s);
}

const QString kNoHelp = u"Допомоги немає"_s;
const QString kSetAtRegistry = u"Проставляється при реєстрації ОКД в ВЕРАКС"_s;
const QString kHintDate = u"Дата проставляється у вигляді :  ДД.ММ.РР"_s;
const QString kEmptyDate{blankform::date};
const QString kEightBlanks = QString(8, u' ');
const QString kFourBlanks = QString(4, u' ');
const QString kDateMask = u"99.99.99;1;_"_s;
const QString kCountMask = u"!9999;1; "_s;
const QStringList kLanguages = {u"українська "_s, u"російська"_s, u"англійська"_s};

const QStringList kDegreeList = {
    u"д.арх."_s,      u"д.б.н."_s,      u"д.вет.н."_s,    u"д.військ.н."_s, u"д.геогр.н."_s,
    u"д.геол.н."_s,   u"д.держ.упр."_s, u"д.е.н."_s,      u"д.і.н."_s,      u"д.мед.н."_s,
    u"д.мист."_s,     u"д.пед.н."_s,    u"д.політ.н."_s,  u"д.соц.н."_s,    u"д.т.н."_s,
    u"д.ф.-м.н."_s,   u"д.фарм.н."_s,   u"д.фіз.вих."_s,  u"д.філол.н."_s,  u"д.філос.н."_s,
    u"д.х.н."_s,      u"д.ю.н."_s,      u"д.психол.н."_s, u"д.с.-г.н."_s,   u"к.арх."_s,
    u"к.б.н."_s,      u"к.вет.н."_s,    u"к.військ.н."_s, u"к.геогр.н."_s,  u"к.геол.н."_s,
    u"к.держ.упр."_s, u"к.е.н."_s,      u"к.і.н."_s,      u"к.мед.н."_s,    u"к.мист."_s,
    u"к.пед.н."_s,    u"к.політ.н."_s,  u"к.соц.н."_s,    u"к.т.н."_s,      u"к.ф.-м.н."_s,
    u"к.фарм.н."_s,   u"к.фіз.вих."_s,  u"к.філол.н."_s,  u"к.філос.н."_s,  u"к.х.н."_s,
    u"к.ю.н."_s,      u"к.психол.н."_s, u"к.с.-г.н."_s,
};

QStringList withEmptyItems(int count)
{
    QStringList items = kDegreeList;
    for (int i = 0; i < count; ++i)
        items.append(QString());
    return items;
}

FieldSpec codedBox(const QString &name, const QString &label, int maxLength,
                   const QStringList &items, const QStringList &hint)
{
    return {.name = name,
            .kind = K::Combo,
            .label = label,
            .maxLength = maxLength,
            .items = items,
            .text = items.first(),
            .hint = hintLines(hint),
            .flags = kChanged};
}

FieldSpec count(const QString &name, const QString &label)
{
    return {.name = name,
            .kind = K::MaskedEdit,
            .label = label,
            .mask = kCountMask,
            .maxLength = 4,
            .text = kFourBlanks,
            .flags = kChanged};
}

PageSpec registration()
{
    return {
        u"ts1"_s,
        u"Реєстраційні дані"_s,
        {
            codedBox(u"cb5013"_s, u"5013. Дисертація"_s, 2, {u"04"_s, u"05"_s},
                     {u"04 - Кандидатська,"_s, u"05 - Докторська."_s}),
            codedBox(u"cb5256"_s, u"5256. Особливі позначки"_s, 1, {u"5"_s, u"4"_s, u"1"_s},
                     {u"5 - Відкрита,"_s, u"4 - Конфіденційна,"_s,
                      u"1 - Для службового користування."_s}),
            {.name = u"ed5418N"_s, .label = u"5418.  № супровідного листа"_s, .flags = kChanged},
            {.name = u"ed5418D"_s,
             .kind = K::MaskedEdit,
             .label = u"Дата листа"_s,
             .mask = kDateMask,
             .maxLength = 8,
             .text = kEmptyDate,
             .hint = kHintDate,
             .flags = kChanged | SameRow},
            {.name = u"ed5438"_s,
             .kind = K::MaskedEdit,
             .label = u"5438. Державний обліковий номер"_s,
             .mask = u"9999U999999;1;_"_s,
             .maxLength = 11,
             .text = u"    U      "_s,
             .flags = kChanged},
            {.name = u"indjzd"_s,
             .kind = K::RadioGroup,
             .label = u"Мова ПІП здобувача"_s,
             .items = kLanguages,
             .text = u"0"_s},
            {.name = u"ed6147"_s,
             .label = u"6147. Прізвище, ім'я, по батькові здобувача"_s,
             .maxLength = 80,
             .flags = kChanged},
            {.name = u"cb6642"_s,
             .kind = K::CheckBox,
             .label = u"6642. Аспірантура"_s,
             .flags = kChanged},
            {.name = u"ed7425"_s,
             .kind = K::Combo,
             .label = u"7425. На здобуття наукового ступеня"_s,
             .items = withEmptyItems(3)},
            {.name = u"ed6444"_s,
             .kind = K::MaskedEdit,
             .label = u"6444. Шифри  наукових спеціальностей"_s,
             .mask = kDateMask,
             .maxLength = 8,
             .text = kEmptyDate,
             .flags = kChanged},
            {.name = u"Ed6444a"_s,
             .kind = K::MaskedEdit,
             .mask = u"99.99.99;1;"_s,
             .maxLength = 8,
             .text = kEmptyDate,
             .flags = SameRow},
            {.name = u"ed6480"_s,
             .label = u"6480. № спеціальності за освітою"_s,
             .maxLength = 40,
             .flags = kChanged},
            {.name = u"ed7434"_s,
             .kind = K::MaskedEdit,
             .label = u"7434. Дата захисту"_s,
             .mask = kDateMask,
             .maxLength = 8,
             .text = kEmptyDate,
             .hint = kHintDate,
             .flags = kChanged},
            {.name = u"ed7020"_s,
             .label = u"7020. Шифр ДНТП"_s,
             .maxLength = 40,
             .flags = kChanged},
            {.name = u"ed7021"_s,
             .label = u"7021. Шифр роботи, наданий організацією"_s,
             .flags = kChanged},
            codedBox(u"cb7443"_s, u"7443. Підсумки дослідження"_s, 2, {u"13"_s, u"22"_s, u"40"_s},
                     {u"13 - Новий напрямок у науці і техніці,"_s,
                      u"22 - Теоретичне узагальнення і вирішення важливої наукової проблеми,"_s,
                      u"40 - Нове вирішення актуального наукового завдання."_s}),
            codedBox(u"cb7344"_s, u"7344. Упровадження результатів роботи"_s, 2, {u"35"_s, u"53"_s},
                     {u"35 - Упроваджено,"_s, u"53 - Планується впровадження."_s}),
            codedBox(u"cb5535"_s, u"5535. Умови розповсюдження в Україні"_s, 2,
                     {u"35"_s, u"44"_s, u"53"_s, u"54"_s},
                     {u"35 - Без відшкодування,"_s, u"44 - За оголошеною вартістю,"_s,
                      u"53 - За договірною ціною,"_s,
                      u"54 - Передача стороннім організаціям забороняється."_s}),
            codedBox(u"cb5211"_s, u"5211. Умови передачі зарубіжним країнам"_s, 2,
                     {u"55"_s, u"64"_s, u"63"_s, u"37"_s},
                     {u"55 - Без відшкодування,"_s, u"64 - За оголошеною вартістю,"_s,
                      u"63 - За договірною ціною,"_s,
                      u"37 - Передача зарубіжним країнам забороняється."_s}),
        }};
}

PageSpec titles()
{
    return {u"ts2"_s,
            u"Назва дисертації та реферата"_s,
            {
                {.name = u"RadioGroup2"_s,
                 .kind = K::RadioGroup,
                 .label = u"Мова назви дисертації та реферату"_s,
                 .items = kLanguages,
                 .text = u"0"_s},
                {.kind = K::Heading, .label = u"9045. Назва дисертації"_s},
                {.name = u"mm9045"_s, .kind = K::ScrollMemo},
                {.kind = K::Heading, .label = u"9118. Реферат"_s},
                {.name = u"mm9118"_s, .kind = K::ScrollMemo},
            }};
}

PageSpec organisations()
{
    const auto box = [](const QString &name, const QString &label, const QString &mask = {},
                        int maxLength = 0, const QString &text = {}) {
        return FieldSpec{.name = name,
                         .kind = K::MaskedEdit,
                         .label = label,
                         .mask = mask,
                         .maxLength = maxLength,
                         .text = text,
                         .flags = kChanged};
    };
    return {
        u"ts3"_s,
        u"Організаціі"_s,
        {
            {.name = u"RadioGroup1"_s,
             .kind = K::RadioGroup,
             .label = u"Організаціі"_s,
             .items = {u"Відомості про спеціалізовану вчену раду."_s,
                       u"Відомості про організацію, у вченій раді якої відбувся захист."_s,
                       u"Відомості про організацію, в якій було виконано дисертацію."_s,
                       u"Відомості про організацію, де працює здобувач."_s,
                       u"Відомості про провідну організацію."_s},
             .text = u"0"_s,
             .columns = 1},
            box(u"ed7452"_s, u"7452. Шифр вченої ради"_s),
            box(u"ed1334"_s, u"Скорочена офіційна назва міністерства"_s),
            box(u"edCod"_s, u"Ідентифікаційний код ЄДРПОУ"_s, u"99999999;1;_"_s, 8, kEightBlanks),
            box(u"edNaz"_s, u"Назва"_s),
            box(u"edMis"_s, u"Місто"_s, u">LLLlccccccccccccccccccccccccc;0; "_s, 29),
            box(u"edAdr"_s, u"Адреса"_s),
            box(u"edTel"_s, u"Телефон"_s, u"99999999;1; "_s, 8, kEightBlanks),
        }};
}

PageSpec generalData()
{
    const auto rubric = [](const QString &name, const QString &label, unsigned flags) {
        return FieldSpec{.name = name,
                         .kind = K::MaskedEdit,
                         .label = label,
                         .mask = u"!99.99.99;1; "_s,
                         .maxLength = 8,
                         .text = kEmptyDate,
                         .hint = kSetAtRegistry,
                         .flags = kChanged | flags};
    };
    return {
        u"ts4"_s,
        u"Загальні дані"_s,
        {
            count(u"ed5742"_s, u"5742 . Сторінок"_s),
            count(u"ed5751"_s, u"5751. Додатків"_s),
            count(u"ed5760"_s, u"5760. Ілюстрацій"_s),
            count(u"ed5778"_s, u"5778. Таблиць"_s),
            count(u"ed5787"_s, u"5787. Використаних першоджерел"_s),
            count(u"ed5481"_s, u"5481. Публікацій"_s),
            count(u"ed5472"_s, u"5472. Патентів"_s),
            {.name = u"ed5634"_s,
             .kind = K::MaskedEdit,
             .label = u"5634. Індекс УДК"_s,
             .flags = kChanged},
            rubric(u"ed5616a"_s, u"5616. Коди тематичних рубрик"_s, NoFlags),
            rubric(u"ed5616b"_s, {}, SameRow),
            rubric(u"ed5616c"_s, {}, NoFlags),
            rubric(u"ed5616d"_s, {}, SameRow),
            rubric(u"ed5616e"_s, {}, NoFlags),
            rubric(u"ed5616f"_s, {}, SameRow),
            {.name = u"ed6140"_s,
             .label = u"6140. Керівник відділу держреєстрації ВЕРАКС"_s,
             .hint = kSetAtRegistry},
            {.name = u"REG"_s, .label = u"Реєстратор"_s, .hint = kSetAtRegistry, .flags = Hidden},
            {.name = u"DREG"_s,
             .label = u"Дата реєстрації"_s,
             .hint = kSetAtRegistry,
             .flags = Hidden},
            {.name = u"mmtext"_s, .kind = K::ScrollMemo, .flags = Hidden},
        }};
}

// One row of a person: name, degree, academic title, two speciality codes.
QList<FieldSpec> personRow(const QString &prefix, int number, bool firstMaskBlank, bool names)
{
    const QString n = QString::number(number);
    const QString second = firstMaskBlank ? u"99.99.99;1;_"_s : u"99.99.99;1;"_s;
    QList<FieldSpec> row = {
        {.name = prefix + u"f"_s + n, .flags = kChanged},
        {.name = prefix + u"ns"_s + n, .kind = K::Combo, .items = kDegreeList, .flags = SameRow},
        {.name = prefix + u"vz"_s + n, .flags = kChanged | SameRow},
        {.name = prefix + u"h"_s + n,
         .kind = K::MaskedEdit,
         .mask = kDateMask,
         .maxLength = 8,
         .text = kEmptyDate,
         .flags = SameRow},
        {.name = u"E"_s + prefix.mid(1) + u"h"_s + n + u"a"_s,
         .kind = K::MaskedEdit,
         .mask = second,
         .maxLength = 8,
         .text = kEmptyDate,
         .flags = SameRow},
    };
    if (!names)
        row.removeFirst();
    return row;
}

PageSpec supervisors()
{
    QList<FieldSpec> fields = {
        {.name = u"indjzk"_s,
         .kind = K::RadioGroup,
         .label = u"Мова ПІП наукового керівника"_s,
         .items = kLanguages,
         .text = u"0"_s},
        {.kind = K::Heading,
         .label = u"Прізвище, ім'я, по батькові наукових керівніків\nНауковий ступінь  /  "
                  u"Вчене звання  /  Шифри наукових спеціальностей"_s},
    };
    for (int n = 1; n <= 3; ++n)
        fields += personRow(u"ed6156"_s, n, n == 1, true);
    fields.append({.kind = K::Heading, .label = u"Офіційни опоненти"_s});
    for (int n = 1; n <= 4; ++n)
        fields += personRow(u"ed6165"_s, n, false, true);
    fields.append({.kind = K::Heading, .label = u"Голова спеціалізованої вченої ради"_s});
    fields.append({.name = u"ed6174"_s, .flags = kChanged});
    fields.append(
        {.name = u"ed6273ns"_s, .kind = K::Combo, .items = withEmptyItems(1), .flags = SameRow});
    fields.append({.name = u"ed6273vz"_s, .flags = kChanged | SameRow});
    return {u"ts5"_s, u"Наукові керівники"_s, fields};
}

QList<PageSpec> buildPages()
{
    QList<PageSpec> pages = {registration(), titles(), organisations(), generalData(),
                             supervisors()};
    for (PageSpec &page : pages) {
        for (FieldSpec &field : page.fields) {
            if (field.kind != K::Heading && field.hint.isEmpty())
                field.hint = kNoHelp;
        }
    }
    return pages;
}

} // namespace

const QList<PageSpec> &okdPages()
{
    static const QList<PageSpec> pages = buildPages();
    return pages;
}

const QStringList &okdDegrees()
{
    return kDegreeList;
}

const QList<OkdFont> &okdFonts()
{
    static const QList<OkdFont> fonts = {
        {u"ed5418N"_s, true},    {u"ed6147"_s, false, 10}, {u"ed7021"_s, true},
        {u"cb7443"_s, true},     {u"cb7344"_s, true},      {u"cb5535"_s, true},
        {u"cb5211"_s, true},     {u"ed1334"_s, false, 10}, {u"edNaz"_s, false, 10},
        {u"edMis"_s, false, 10}, {u"edAdr"_s, false, 10},  {u"ed6140"_s, false, 10},
        {u"ts5"_s, true, 10},
    };
    return fonts;
}

const QList<OkdFixedSize> &okdFixedSizes()
{
    static const QList<OkdFixedSize> sizes = {{u"mm9045"_s, 561, 81}, {u"mm9118"_s, 561, 145}};
    return sizes;
}

namespace okdnames {

const QStringList &codedBoxes()
{
    static const QStringList names = {u"cb5013"_s, u"cb5256"_s, u"cb7443"_s,
                                      u"cb7344"_s, u"cb5535"_s, u"cb5211"_s};
    return names;
}

const QStringList &listCheckedBoxes()
{
    static const QStringList names = [] {
        QStringList all = codedBoxes();
        all << u"ed7425"_s;
        for (int n = 1; n <= 3; ++n)
            all << u"ed6156ns"_s + QString::number(n);
        for (int n = 1; n <= 4; ++n)
            all << u"ed6165ns"_s + QString::number(n);
        return all;
    }();
    return names;
}

const QStringList &rubricBoxes()
{
    static const QStringList names = {u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s,
                                      u"ed5616d"_s, u"ed5616e"_s, u"ed5616f"_s};
    return names;
}

} // namespace okdnames
