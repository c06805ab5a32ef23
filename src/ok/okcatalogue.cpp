#include "ok/okcatalogue.h"

#include "cardfile/blankforms.h"
#include "cardfile/personkind.h"
#include "editing/researchrows.h"

#include <QStringList>

using namespace Qt::StringLiterals;

// Catalogue rows name only the columns they use; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

// Hint lines are separated by line feed then carriage return.
QString hintLines(const QStringList &lines)
{
    return lines.join(u"\n\r"_s);
}

const QString &kNoHelp = researchrows::noHelp;
const QString kAtRegistry = u"Проставляється при реєстрації ОК в ВЕРАКС"_s;
const QString kHintDate = u"Дата проставляється у вигляді :  ДД.ММ.РР "_s;
const QString &kHintMonthYear = researchrows::hintMonthYear;
const QStringList kLanguages = {u"українська "_s, u"російська"_s, u"англійська"_s};
const QString kEmptyDate{blankform::date};
const QString kEmptyMonthYear{blankform::monthYear};
const QString kEmptyAccountingNumber{blankform::fixedUNumber};

const QString kHint7199 = hintLines({
    u"Номер пріоритетного напряму у переліку відповідно до Закону України "_s,
    u"\"Про пріоритетні напрями розвитку науки і техніки:\""_s,
    u"1   Фундаментальні дослідження з найважливіших проблем, природничих"_s,
    u"     суспільних і гуманітарних наук"_s,
    u"2   Проблеми демографічної політики, розвитку людського потенціалу та"_s,
    u"     формування громадянського суспільства"_s,
    u"3   Збереження навколишнього середовища (довкілля) та сталий розвиток "_s,
    u"4   Новітні  біотехнології;  діагностика  і  методи  лікування"_s,
    u"     найпоширеніших захворювань "_s,
    u"5   Нові комп'ютерні засоби та технології інформатизації суспільства"_s,
    u"6   Новітні технології та ресурсозберігаючі технології в енергетиці,"_s,
    u"     промисловості та агропромисловому комплексі"_s,
    u"7   Нові речовини і матеріали"_s,
});

constexpr unsigned kChanged = Changed;
constexpr unsigned kChangedTrim = Changed | TrimOnKey;

using K = FieldKind;

// A combo box that holds one of a list of codes; a click marks the card changed.
FieldSpec codeBox(const QString &name, const QString &label, int maxLength,
                  const QStringList &items, const QString &text, const QStringList &hint,
                  unsigned flags = kChanged)
{
    return {.name = name,
            .kind = K::Combo,
            .label = label,
            .maxLength = maxLength,
            .items = items,
            .text = text,
            .hint = hintLines(hint),
            .flags = flags};
}

FieldSpec kindBox(const QString &name)
{
    return {.name = name,
            .kind = K::Combo,
            .items = personkind::items(),
            .text = personkind::legalText,
            .hint = kNoHelp};
}

FieldSpec languageBox(const QString &name, const QString &label, const QStringList &items)
{
    return {.name = name, .kind = K::RadioGroup, .label = label, .items = items, .text = u"0"_s};
}

PageSpec registrationPage()
{
    return {
        u"TabSheet1"_s,
        u"Реєстраційні дані"_s,
        {
            codeBox(u"cb5013"_s, u"5013. Облікова картка"_s, 2, {u"03"_s, u"02"_s}, u"03"_s,
                    {u"02 - Із звітом"_s, u"03 - Без звіту"_s}, NoFlags),
            codeBox(
                u"cb5256"_s, u"5256. Особліви позначки"_s, 1, {u"5"_s, u"4"_s, u"1"_s}, u"5"_s,
                {u"5 - Відкрита"_s, u"4 - Конфіденційна"_s, u"1 - Для службового користування"_s},
                NoFlags),
            {.name = u"ed5418N"_s,
             .label = u"5418. № супровідного листа"_s,
             .hint = u"Допомоги неемає"_s,
             .flags = kChanged},
            {.name = u"ed5418D"_s,
             .kind = K::MaskedEdit,
             .label = u"Дата листа"_s,
             .mask = u"99.99.99;1;_"_s,
             .maxLength = 8,
             .text = kEmptyDate,
             .hint = kHintDate,
             .flags = kChanged | SameRow},
            {.name = u"ed5436"_s,
             .kind = K::MaskedEdit,
             .label = u"5436. Державний реєстраційний №"_s,
             .mask = u"AA99A99999A;1;_"_s,
             .maxLength = 11,
             .text = QString(11, u' '),
             .hint = u"В № держреєстрації НДДКР перша або п'ята літера \"U\" "_s,
             .flags = kChangedTrim},
            {.name = u"ed5437"_s,
             .kind = K::MaskedEdit,
             .label = u"5437. Державний обліковий номер"_s,
             .mask = u"9999U999999;1;_"_s,
             .maxLength = 11,
             .text = kEmptyAccountingNumber,
             .hint = kNoHelp,
             .flags = kChanged},
            {.kind = K::Heading, .label = u"7200. ДНТП"_s},
            {.name = u"sp7200"_s,
             .kind = K::SpinBox,
             .label = u"Порядковий № "_s,
             .text = u"1"_s,
             .minimum = 1,
             .maximum = 10},
            {.name = u"ed7200"_s,
             .kind = K::MaskedEdit,
             .label = u"ДНТП"_s,
             .mask = u"!9;1; "_s,
             .maxLength = 1,
             .text = u" "_s,
             .hint = hintLines({u"1 - Національна"_s, u"2 - Державна"_s, u"3 - Міждержавна"_s,
                                u"4 - Регіональна"_s, u"5 - Міжрегіональна"_s,
                                u"6 - Галузева (багатогалузева)"_s}),
             .flags = kChanged | SameRow},
            researchrows::row(u"ed7020"),
            {.name = u"ed7022"_s,
             .label = u"7022. Номер ДЦП"_s,
             .hint = hintLines({u"Реєстраційний номер державної цільової програми згідно "_s,
                                u"переліку, затвердженому Мінекономіки (Наказ № 114 від "
                                u"24.05.01)"_s})},
            {.name = u"ed7199"_s, .label = u"7199. Науковий напрям"_s, .hint = kHint7199},
            researchrows::row(u"ed7021"),
        }};
}

PageSpec executorPage()
{
    return {u"TabSheet2"_s,
            u"Виконавець"_s,
            {
                {.kind = K::Heading, .label = u"Відомості про виконавця   НДР (ДКР)"_s},
                kindBox(u"lizv"_s),
                {.name = u"ed2457"_s,
                 .kind = K::MaskedEdit,
                 .label = u"2457. Код організації"_s,
                 .labelName = u"Label30"_s,
                 .mask = u"99999999;1;_"_s,
                 .maxLength = 8,
                 .text = QString(8, u' '),
                 .hint = kNoHelp,
                 .flags = kChanged},
                {.kind = K::Heading, .label = u"за ЄДРПОУ"_s, .labelName = u"Label57"_s},
                researchrows::row(u"gorv"),
                languageBox(u"Indjz"_s, u"Мова назви виконавця:"_s, kLanguages),
                {.name = u"mm2151"_s,
                 .kind = K::ScrollMemo,
                 .label = u"2151. Назва"_s,
                 .hint = kNoHelp,
                 .flags = kChanged},
                researchrows::row(u"ed2358"),
                {.name = u"mm2655"_s,
                 .kind = K::ScrollMemo,
                 .label = u"2655. Адреса"_s,
                 .hint = kNoHelp,
                 .flags = kChanged},
                researchrows::row(u"ed2934"),
                researchrows::row(u"ed2394"),
                {.name = u"Edit1"_s, .label = u"E-mail"_s, .flags = SameRow},
                {.name = u"ed1332"_s,
                 .label = u"1332. Скорочена назва міністерства"_s,
                 .maxLength = 80,
                 .hint = kNoHelp,
                 .flags = kChanged},
            }};
}

PageSpec ownerPage()
{
    return {u"TabSheet3"_s,
            u"Власник"_s,
            {
                {.kind = K::Heading, .label = u"Відомості про власника результатів НДР (ДКР)"_s},
                kindBox(u"lizz"_s),
                {.name = u"ed2459"_s,
                 .kind = K::MaskedEdit,
                 .label = u"2459. Ідентифікаційний код за ЄДРПОУ"_s,
                 .labelName = u"Label27"_s,
                 .mask = u"99999999;1;_"_s,
                 .maxLength = 8,
                 .text = QString(8, u' '),
                 .hint = kNoHelp,
                 .flags = kChanged},
                researchrows::row(u"gorz"),
                {.name = u"mm2153"_s,
                 .kind = K::Memo,
                 .label = u"2153. Назва"_s,
                 .hint = kNoHelp,
                 .flags = kChanged},
                {.name = u"ed2360"_s,
                 .label = u"2360. Скорочена назва"_s,
                 .hint = kNoHelp,
                 .flags = kChanged},
                {.name = u"ed2657"_s,
                 .kind = K::MaskedEdit,
                 .label = u"2657. Адреса"_s,
                 .hint = kNoHelp,
                 .flags = kChanged},
                {.name = u"ed2935"_s,
                 .kind = K::MaskedEdit,
                 .label = u"2935. Телефон"_s,
                 .hint = kNoHelp,
                 .flags = kChanged},
                {.name = u"ed2395"_s,
                 .kind = K::MaskedEdit,
                 .label = u"2395. Факс"_s,
                 .hint = kNoHelp,
                 .flags = kChanged},
                {.name = u"Edit2"_s, .label = u"E-mail"_s, .flags = SameRow},
                {.name = u"ed1333"_s,
                 .label = u"1333. Скорочена офіційна назва міністерства, якому "
                          u"підпорядковується організіція-власник результатів НДР(ДКР)"_s,
                 .maxLength = 80,
                 .hint = kNoHelp,
                 .flags = kChanged},
                {.name = u"ed5518N"_s,
                 .kind = K::MaskedEdit,
                 .label = u"5518. № юридичного документа"_s,
                 .maxLength = 30,
                 .hint = kNoHelp,
                 .flags = kChanged},
                {.name = u"ed5518D"_s,
                 .kind = K::MaskedEdit,
                 .label = u"дата видачі"_s,
                 .mask = u"99.99.99;1;_"_s,
                 .maxLength = 8,
                 .text = kEmptyDate,
                 .hint = kHintDate,
                 .flags = kChanged | SameRow},
            }};
}

PageSpec stagePage()
{
    return {
        u"TabSheet4"_s,
        u"Eтапи"_s,
        {
            {.kind = K::Heading, .label = u"9036. Етапи роботи :"_s},
            {.name = u"ed9036n"_s,
             .kind = K::MaskedEdit,
             .label = u"Порядковий № етапу"_s,
             .mask = u"99;1;_"_s,
             .maxLength = 2,
             .text = u"  "_s,
             .hint = u"Номер виконаного етапу повинен співпадати з відповідним номером  в  РК"_s,
             .flags = kChangedTrim},
            {.name = u"ed9036p"_s,
             .kind = K::MaskedEdit,
             .label = u"Початок та закінчення етапу  (мм.рр)"_s,
             .mask = u"99.99;1;_"_s,
             .maxLength = 5,
             .text = kEmptyMonthYear,
             .hint = kHintMonthYear,
             .flags = kChangedTrim},
            {.name = u"ed9036z"_s,
             .kind = K::MaskedEdit,
             .mask = u"99.99;1;_"_s,
             .maxLength = 5,
             .text = kEmptyMonthYear,
             .hint = kHintMonthYear,
             .flags = kChangedTrim | SameRow},
            {.name = u"cb9036e"_s,
             .kind = K::Combo,
             .label = u"Вид етапу"_s,
             .items = {u"П"_s, u"З"_s},
             .hint = hintLines({u"П - Проміжний етап"_s, u"З - Заключний етап"_s})},
            {.name = u"mm9036"_s,
             .kind = K::ScrollMemo,
             .label = u"Назва етапу"_s,
             .hint = kNoHelp,
             .flags = kChanged},
            {.name = u"sp5526"_s,
             .kind = K::SpinBox,
             .label = u"Порядковий № держобліку"_s,
             .text = u"1"_s,
             .hint = kNoHelp,
             .minimum = 1,
             .maximum = 10},
            {.name = u"ed5526"_s,
             .kind = K::MaskedEdit,
             .label = u"№ держобліку виконаних етапів роботи"_s,
             .mask = u"9999U999999;1;_"_s,
             .maxLength = 11,
             .text = kEmptyAccountingNumber,
             .hint = kNoHelp,
             .flags = kChanged | SameRow},
        }};
}

PageSpec titlePage()
{
    return {u"TabSheet5"_s,
            u"Назва,реферат"_s,
            {
                languageBox(u"Indjzr"_s, u"Мова роботи:"_s,
                            {u"українська"_s, u"російська"_s, u"англійська"_s}),
                {.name = u"mm9027"_s,
                 .kind = K::ScrollMemo,
                 .label = u"9045. Назва роботи"_s,
                 .hint = kNoHelp,
                 .flags = kChanged},
                {.name = u"mm9117"_s,
                 .kind = K::ScrollMemo,
                 .label = u"9117. Реферат"_s,
                 .hint = kNoHelp,
                 .flags = kChanged | Tall},
            }};
}

PageSpec generalPage()
{
    return {
        u"TabSheet6"_s,
        u"Загальні дані"_s,
        {
            {.name = u"mm5635"_s,
             .kind = K::Memo,
             .label = u"5635. Перевага роботи над наявними аналогами"_s,
             .hint = kNoHelp,
             .flags = kChanged},
            {.name = u"mm5481"_s,
             .kind = K::Memo,
             .label = u"5481. Бібліографічний опис (статей,монографій, "
                      u"нормативно-технічної документації тощо)"_s,
             .hint = kNoHelp,
             .flags = kChanged},
            {.name = u"ed5490"_s,
             .kind = K::MaskedEdit,
             .label = u"5490. Патентів"_s,
             .mask = u"9999999999999;1; "_s,
             .maxLength = 13,
             .text = QString(13, u' '),
             .hint = kNoHelp,
             .flags = kChanged},
            codeBox(u"cb5562"_s, u"5562. Звіт про патентні дослідження"_s, 1, {u"1"_s, u"0"_s},
                    u"0"_s,
                    {u"1 - Якщо у складі звіту про НДР є звіт про патентні дослідження"_s,
                     u"0 - немає"_s}),
            codeBox(u"cb7344"_s, u"7344. Упровадження результатів роботи"_s, 2, {u"35"_s, u"53"_s},
                    u"35"_s, {u"35 - Впроваджено"_s, u"53 - не впроваджено"_s}),
            codeBox(u"cb5040"_s, u"5040. Вид звітного документа"_s, 2,
                    {QString(), u"91"_s, u"28"_s, u"37"_s, u"19"_s}, QString(),
                    {u"91 - Заключний звіт"_s, u"28 - Проміжний звіт"_s,
                     u"37 - Пояснювальна записка"_s, u"19 - Звіт не подається"_s}),
            codeBox(u"cb5715"_s, u"5715. Мова звітного документа"_s, 3,
                    {QString(5, u' '), u"720"_s, u"570"_s, u"045"_s}, u"720"_s,
                    {u"720 - Українська мова"_s, u"570 - Російська мова"_s,
                     u"045 - Англійська мова"_s}),
            {.name = u"ed5742"_s,
             .kind = K::MaskedEdit,
             .label = u"5742. Сторінок"_s,
             .mask = u"999999;1; "_s,
             .maxLength = 6,
             .text = QString(6, u' '),
             .flags = kChanged},
            codeBox(u"cb7209"_s, u"7209. Комплексність роботи"_s, 2, {QString(), u"71"_s, u"17"_s},
                    QString(),
                    {u"71 -Для комплексної роботи і організації-співвиконавця"_s,
                     u"17 - Якщо виконавець роботи є головним"_s}),
            {.name = u"ed7210"_s,
             .kind = K::MaskedEdit,
             .label = u"7210. Державний реєстраційний номер роботи головної організації - "
                      u"віконавця "_s,
             .mask = u"AA99A99999A;1;_"_s,
             .maxLength = 11,
             .text = QString(11, u' '),
             .hint = kNoHelp,
             .flags = kChangedTrim},
        }};
}

PageSpec coexecutorPage()
{
    return {u"TabSheet7"_s,
            u"Співвиконавці"_s,
            {
                {.kind = K::Heading, .label = u"2142. Співвиконавці:"_s},
                {.name = u"ed2142p"_s,
                 .kind = K::MaskedEdit,
                 .label = u"Порядковий №"_s,
                 .text = u"1"_s,
                 .hint = kNoHelp},
                kindBox(u"lizsv"_s),
                {.name = u"ed2142k"_s,
                 .kind = K::MaskedEdit,
                 .label = u"Код організіції за ЄДРПОУ"_s,
                 .labelName = u"Label43"_s,
                 .mask = u"99999999;1;_"_s,
                 .maxLength = 8,
                 .text = QString(8, u' '),
                 .hint = kNoHelp,
                 .flags = kChanged},
                {.name = u"mm2142n"_s,
                 .kind = K::ScrollMemo,
                 .label = u"Назва"_s,
                 .hint = kNoHelp,
                 .flags = kChanged},
                {.name = u"Ed2142m"_s, .label = u"Місто"_s},
                {.name = u"ed2142ad"_s, .label = u"Адреса"_s, .hint = kNoHelp, .flags = kChanged},
                {.name = u"Button3"_s,
                 .kind = K::Button,
                 .label = u"Попередній спів-ць"_s,
                 .hint = kNoHelp},
                {.name = u"Button4"_s,
                 .kind = K::Button,
                 .label = u"Наступний спів-ць"_s,
                 .hint = kNoHelp,
                 .flags = SameRow},
                codeBox(u"cb5535"_s, u"5535. Умови розповсюдження в Україні"_s, 2,
                        {u"35"_s, u"44"_s, u"53"_s, u"54"_s}, u"35"_s,
                        {u"35 - Без відшкодування"_s, u"44 - За оголошеною вартістю"_s,
                         u"53 - За договірною ціною"_s,
                         u"54 - Передача стороннім організаціям забороняється"_s}),
                codeBox(u"cb5211"_s, u"5211. Умови передачі зарубіжним країнам"_s, 2,
                        {u"55"_s, u"64"_s, u"63"_s, u"37"_s}, u"55"_s,
                        {u"55 - Без відшкодування"_s, u"64 - За оголошеною вартістю"_s,
                         u"63 - За договірною ціною"_s,
                         u"37 - Передача зарубіжним країнам забороняється"_s}),
                {.name = u"ed6012"_s,
                 .kind = K::MaskedEdit,
                 .label = u"6012. Ціна звітної документації /дол./"_s,
                 .hint = kNoHelp,
                 .flags = kChanged},
                {.name = u"sp7326"_s,
                 .kind = K::SpinBox,
                 .label = u"Порядковий № продукціі"_s,
                 .text = u"1"_s,
                 .hint = kNoHelp,
                 .minimum = 1,
                 .maximum = 10},
                {.name = u"ed7326"_s,
                 .kind = K::MaskedEdit,
                 .label = u"7326. Продукція, що пропонується до реалізації"_s,
                 .mask = u"!99;1; "_s,
                 .maxLength = 2,
                 .text = u"  "_s,
                 .hint = kNoHelp,
                 .flags = kChanged | SameRow},
            }};
}

PageSpec subjectPage()
{
    PageSpec page{u"TabSheet8"_s,
                  u"Тематика"_s,
                  {{.name = u"ed5634"_s,
                    .label = u"5634. Індекс УДК"_s,
                    .hint = kNoHelp,
                    .flags = kChanged}}};
    for (const QChar letter : u"abcdef"_s) {
        FieldSpec rubric{.name = u"ed5616"_s + letter,
                         .kind = K::MaskedEdit,
                         .mask = u"99.99.99;1; "_s,
                         .maxLength = 8,
                         .text = kEmptyDate,
                         .hint = kAtRegistry,
                         .flags = kChanged};
        if (letter == u'a')
            rubric.label = u"5616. Коди тематичних рубрик"_s;
        // Two columns: a b / c d / e f.
        if (letter == u'b' || letter == u'd' || letter == u'f')
            rubric.flags |= SameRow;
        page.fields.append(rubric);
    }
    page.fields += {
        {.kind = K::Heading, .label = u"Прізвище, ім'я, по батькові"_s},
        researchrows::row(u"ed6111"),
        {.name = u"ed6210vc"_s,
         .label = u"Науковий ступень, звання"_s,
         .hint = kNoHelp,
         .flags = kChanged},
        languageBox(u"indjzk"_s, u"Мова ПІП керівника роботи"_s, kLanguages),
        researchrows::row(u"ed6120"),
        {.name = u"ed6228vc"_s,
         .label = u"Науковий ступень, звання"_s,
         .hint = kNoHelp,
         .flags = kChanged},
        {.name = u"ed6140"_s,
         .label = u"6140. Керівник відділу держреєстрації ВЕРАКС"_s,
         .hint = kAtRegistry,
         .flags = kChanged},
        {.name = u"REG"_s,
         .label = u"Реєстратор"_s,
         .hint = kAtRegistry,
         .flags = kChanged | Hidden},
        {.name = u"DREG"_s,
         .label = u"Дата реєстрації"_s,
         .hint = kAtRegistry,
         .flags = kChanged | Hidden},
        {.name = u"mmtext"_s, .kind = K::Memo, .flags = Hidden},
    };
    return page;
}

QList<PageSpec> buildPages()
{
    return {registrationPage(), executorPage(), ownerPage(),      stagePage(),
            titlePage(),        generalPage(),  coexecutorPage(), subjectPage()};
}

} // namespace

const QList<PageSpec> &okPages()
{
    static const QList<PageSpec> pages = buildPages();
    return pages;
}
