#include "rk/rkcatalogue.h"

#include "cardfile/blankforms.h"
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

const QStringList kPersonKinds = {u"Юридична особа"_s, u"Фізична особа"_s};
const QStringList kCurrencies = {u"тис.грн."_s, u"дол."_s, u"євро"_s, u"DM"_s, u"тис.руб."_s};

const QString kHint5256 =
    hintLines({u"5 - Відкрита"_s, u"4 - Конфіденційна"_s, u"1 - Для службового користування"_s});
const QString kHintDate = u"Дата проставляється у вигляді :  ДД.ММ.РР"_s;
const QString &kHintMonthYear = researchrows::hintMonthYear;
const QString kHint7146 = hintLines({
    u"07 - затвержена органами викон.влади"_s,
    u"34 - від центрального органу викон.влади"_s,
    u"52 - угода затвержена з організацією"_s,
    u"43 - з власної ініціативи"_s,
    u"25 - угода з фізичною особою"_s,
});
const QString kHint7191 =
    hintLines({u"39 - фундаментальна"_s, u"48 - прикладна"_s, u"57 - дослідно-конструкторська"_s,
               u"66 - проектно-технологічна"_s});
const QString kHint7209 = hintLines({u"17 - головний виконавець"_s, u"71 - співвиконавець"_s});
const QString kHint7200 = hintLines({
    u"Для робіт, що проводяться за державними програмами (коди проставляються через "_s
    u"\";\" : "_s,
    u"1 - Національна,"_s,
    u"2 - Державна,"_s,
    u"3 - Міждержавна,"_s,
    u"4 - Регіональна,"_s,
    u"5 - Міжрегіональна,"_s,
    u"6 - Галузева (багатогалузева)."_s,
});
const QString kHint7022 = hintLines({
    u"Реєстраційний номер державної цільової програми згідно "_s,
    u"переліку, затвердженому Мінекономіки (Наказ № 114 від 24.05.01)"_s,
});
const QString kHint7199 = hintLines({
    u"Номер пріоритетного напряму у переліку відповідно до Закону України "_s,
    u"\"Про пріоритетні напрями розвитку науки і техніки:\""_s,
    u"1   Фундаментальні дослідження з найважливіших проблем, природничих"_s,
    u"     суспільних і гуманітарних наук"_s,
    u"2  Проблеми демографічної політики, розвитку людського потенціалу та"_s,
    u"     формування громадянського суспільства"_s,
    u"3  Збереження навколишнього середовища (довкілля) та сталий розвиток "_s,
    u"4   Новітні  біотехнології;  діагностика  і  методи  лікування"_s,
    u"     найпоширеніших захворювань "_s,
    u"5   Нові комп'ютерні засоби та технології інформатизації суспільства"_s,
    u"6   Новітні технології та ресурсозберігаючі технології в енергетиці,"_s,
    u"     промисловості та агропромисловому комплексі"_s,
    u"7   Нові речовини і матеріали"_s,
});
const QString kHint9036v = hintLines({u"91-заключний звіт"_s, u"28-проміжний звіт"_s,
                                      u"37-пояснювальна записка"_s, u"19-без звіту"_s});

QString deletionHint(const QString &what)
{
    return u"Для знищення "_s + what +
           u" треба усунути його номер та натиснути на клавішу \"Tab\". Нумерація "
           u"зміниться автоматично."_s;
}

const QString kEmptyDate{blankform::date};
const QString kEmptyMonthYear{blankform::monthYear};
const QString kEightBlanks = QString(8, u' ');

constexpr unsigned kChanged = Changed;
constexpr unsigned kTrim = TrimOnKey;
constexpr unsigned kChangedTrim = Changed | TrimOnKey;

using K = FieldKind;

QList<PageSpec> buildPages()
{
    const QString &noHelp = rkhint::noHelp;
    const QString &registry = rkhint::setAtRegistry;
    const QString &finance = rkhint::finance;

    PageSpec registration{
        u"TabSheet1"_s,
        u"Реєстраційні дані"_s,
        {
            {.name = u"ed5256"_s,
             .label = u"5256. Особливі \nпозначки"_s,
             .text = u"5"_s,
             .hint = kHint5256,
             .flags = kChanged},
            {.name = u"ed5418N"_s,
             .label = u"5418. № супровідного \nлиста"_s,
             .hint = noHelp,
             .flags = kChanged},
            {.name = u"ed5418D"_s,
             .kind = K::MaskedEdit,
             .label = u"Дата листа"_s,
             .mask = u"99.99.99;1;"_s,
             .maxLength = 8,
             .text = kEmptyDate,
             .hint = kHintDate,
             .flags = kChanged},
            {.name = u"ed5517"_s,
             .label = u"5517. Реєстраційний №,\nякий анулюється"_s,
             .maxLength = 11,
             .hint = noHelp,
             .flags = kTrim},
            {.name = u"ed5436"_s,
             .kind = K::MaskedEdit,
             .label = u"5436. Державний реєстраційний №"_s,
             .mask = u"9999U999999;1;_"_s,
             .maxLength = 11,
             .text = u"    U      "_s,
             .hint = noHelp,
             .flags = kChanged},
            {.name = u"ed7146"_s,
             .label = u"7146. Підстави для проведення роботи (цифри)"_s,
             .hint = kHint7146,
             .flags = kChanged},
            {.name = u"ed7191"_s,
             .label = u"7191. Вид роботи"_s,
             .maxLength = 2,
             .hint = kHint7191,
             .flags = kChanged},
            {.name = u"ed7199"_s, .label = u"7199. Науковий напрям"_s, .hint = kHint7199},
            {.name = u"ed7200"_s, .label = u"7200. ДНТП"_s, .hint = kHint7200, .flags = kChanged},
            researchrows::row(u"ed7020"),
            {.name = u"ed7022"_s, .label = u"7022. Номер ДЦП"_s, .hint = kHint7022},
            researchrows::row(u"ed7021"),
            {.name = u"ed7209"_s,
             .label = u"7209. Комплексність роботи"_s,
             .maxLength = 2,
             .hint = kHint7209,
             .flags = kChanged},
            {.name = u"ed5274"_s,
             .label = u"5274. Шифр геолфонду"_s,
             .hint = noHelp,
             .flags = kChanged},
            {.name = u"ed7210"_s,
             .kind = K::MaskedEdit,
             .label = u"7210. Державний реєстраційний № роботи\nголовної організації-виконавця"_s,
             .mask = u"AA99A99999A;1;_"_s,
             .maxLength = 11,
             .text = QString(11, u' ')},
        }};

    PageSpec executor{
        u"TabSheet4"_s,
        u"Виконавець"_s,
        {
            {.kind = K::Heading, .label = u"Відомості про виконавця   НДР (ДКР)"_s},
            {.name = u"lizv"_s,
             .kind = K::Combo,
             .items = kPersonKinds,
             .text = kPersonKinds.first(),
             .hint = noHelp},
            {.name = u"ed2457"_s,
             .kind = K::MaskedEdit,
             .label = u"2457. Код організації"_s,
             .labelName = u"Label30"_s,
             .mask = u"99999999;1;_"_s,
             .maxLength = 8,
             .text = kEightBlanks,
             .hint = noHelp},
            {.kind = K::Heading, .label = u"за ЄДРПОУ"_s, .labelName = u"Label57"_s},
            researchrows::row(u"gorv"),
            {.name = u"Indjz"_s,
             .kind = K::RadioGroup,
             .label = u"Мова назви виконавця:"_s,
             .items = {u"українська "_s, u"російська"_s, u"англійська"_s},
             .text = u"0"_s},
            {.name = u"mm2151"_s,
             .kind = K::Memo,
             .label = u"2151. Назва"_s,
             .hint = noHelp,
             .flags = kChanged},
            researchrows::row(u"ed2358"),
            {.name = u"mm2655"_s, .label = u"2655. Адреса"_s, .hint = noHelp, .flags = kChanged},
            researchrows::row(u"ed2934"),
            researchrows::row(u"ed2394"),
            {.name = u"Edit2"_s, .label = u"E-mail"_s},
            {.name = u"ed1332"_s,
             .label = u"1332. Скорочена назва міністерства"_s,
             .hint = noHelp,
             .flags = kChanged},
        }};

    PageSpec customer{
        u"TabSheet2"_s,
        u"Замовник, фінансування"_s,
        {
            {.kind = K::Heading, .label = u"Відомості про замовника НДР  (ДКР)"_s},
            {.name = u"Edit1"_s,
             .label = u"Порядковий №"_s,
             .text = u"1"_s,
             .hint = deletionHint(u"замовника"_s)},
            {.name = u"lizz"_s,
             .kind = K::Combo,
             .items = kPersonKinds,
             .text = kPersonKinds.first()},
            {.name = u"ed2458"_s,
             .kind = K::MaskedEdit,
             .label = u"2458. Ідентифікаційний код за ЄДРПОУ"_s,
             .labelName = u"Label27"_s,
             .mask = u"99999999;1;_"_s,
             .maxLength = 8,
             .text = kEightBlanks,
             .hint = noHelp},
            researchrows::row(u"gorz"),
            {.name = u"mm2152"_s,
             .kind = K::Memo,
             .label = u"2152. Назва"_s,
             .hint = noHelp,
             .flags = kChanged},
            {.name = u"mm2656"_s, .label = u"2656. Адреса"_s, .hint = noHelp, .flags = kChanged},
            {.name = u"BitBtn6"_s,
             .kind = K::Button,
             .label = u"Попередній замовник "_s,
             .hint = noHelp},
            {.name = u"BitBtn7"_s,
             .kind = K::Button,
             .label = u"Наступний замовник"_s,
             .hint = noHelp,
             .flags = SameRow},
            {.kind = K::Heading, .label = u"Джерела фінансування  (тис. грн.)"_s},
            {.name = u"fin"_s,
             .label = u"Код"_s,
             .maxLength = 4,
             .hint = finance,
             .flags = kChanged},
            {.name = u"ed"_s,
             .kind = K::Combo,
             .label = u"Грошова одиниця"_s,
             .items = kCurrencies,
             .text = kCurrencies.first(),
             .hint = noHelp,
             .flags = kChanged | SameRow},
            {.name = u"sum"_s, .label = u"Сума"_s, .hint = noHelp, .flags = kChanged | SameRow},
            {.name = u"fin1"_s, .maxLength = 4, .hint = finance, .flags = kChangedTrim},
            {.name = u"ed1"_s,
             .kind = K::Combo,
             .items = kCurrencies,
             .hint = noHelp,
             .flags = kChanged | SameRow},
            {.name = u"sum1"_s, .hint = noHelp, .flags = kChanged | SameRow},
            {.name = u"fin2"_s, .maxLength = 4, .hint = finance, .flags = kChangedTrim},
            {.name = u"ed2"_s,
             .kind = K::Combo,
             .items = kCurrencies,
             .hint = noHelp,
             .flags = kChanged | SameRow},
            {.name = u"sum2"_s, .hint = noHelp, .flags = kChanged | SameRow},
            {.kind = K::Heading, .label = u"Терміни виконання роботи:"_s},
            {.name = u"ed7353"_s,
             .kind = K::MaskedEdit,
             .label = u"7353. Початок"_s,
             .mask = u"99.99;1;_"_s,
             .maxLength = 5,
             .text = kEmptyMonthYear,
             .hint = kHintMonthYear,
             .flags = kChanged},
            {.name = u"ed7362"_s,
             .kind = K::MaskedEdit,
             .label = u"7362. Закінчення"_s,
             .mask = u"99.99;1;_"_s,
             .maxLength = 5,
             .text = kEmptyMonthYear,
             .hint = kHintMonthYear,
             .flags = kChanged | SameRow},
        }};

    PageSpec title{u"TabSheet3"_s,
                   u"Назва, мета, результати"_s,
                   {
                       {.name = u"Indjzr"_s,
                        .kind = K::RadioGroup,
                        .label = u"Мова роботи:"_s,
                        .items = {u"українська"_s, u"російська"_s, u"англійська"_s},
                        .text = u"0"_s},
                       {.name = u"mm9027"_s,
                        .kind = K::ScrollMemo,
                        .label = u"9027. Назва роботи"_s,
                        .hint = noHelp,
                        .flags = kChanged},
                       {.name = u"mm9126"_s,
                        .kind = K::ScrollMemo,
                        .label = u"9126. Мета роботи"_s,
                        .hint = noHelp,
                        .flags = kChanged},
                       {.name = u"mm9153"_s,
                        .kind = K::ScrollMemo,
                        .label = u"9153. Очікувані результати"_s,
                        .hint = noHelp,
                        .flags = kChanged},
                   }};

    PageSpec coexecutorsAndStages{
        u"TabSheet6"_s,
        u"Співвиконавці, етапи"_s,
        {
            {.kind = K::Heading, .label = u"2142. Співвиконавці:"_s},
            {.name = u"cpn"_s,
             .label = u"Порядковий №"_s,
             .maxLength = 1,
             .text = u"1"_s,
             .hint = deletionHint(u"співвиконавця"_s),
             .flags = kChangedTrim},
            {.name = u"lizsv"_s,
             .kind = K::Combo,
             .items = kPersonKinds,
             .text = kPersonKinds.first(),
             .hint = noHelp},
            {.name = u"cpk"_s,
             .kind = K::MaskedEdit,
             .label = u"Ідентифікаційний код за ЄДРПОУ"_s,
             .labelName = u"Label69"_s,
             .mask = u"99999999;1;_"_s,
             .maxLength = 8,
             .text = kEightBlanks,
             .hint = noHelp,
             .flags = kChanged},
            {.name = u"gorc"_s, .label = u"Місто"_s},
            {.name = u"cpi"_s,
             .kind = K::ScrollMemo,
             .label = u"Повна назва"_s,
             .hint = noHelp,
             .flags = kChanged},
            {.name = u"cpa"_s, .label = u"Адреса"_s, .hint = noHelp, .flags = kChanged},
            {.name = u"Button1"_s,
             .kind = K::Button,
             .label = u"Наступний спів-ць"_s,
             .hint = noHelp},
            {.name = u"Button2"_s,
             .kind = K::Button,
             .label = u"Попередній спів-ць"_s,
             .hint = noHelp,
             .flags = SameRow},
            {.kind = K::Heading, .label = u"9036. Етапи роботи :"_s},
            {.name = u"ed9036n"_s,
             .label = u"Порядковий № етапу"_s,
             .maxLength = 1,
             .text = u"1"_s,
             .hint = deletionHint(u"етапу"_s),
             .flags = kChangedTrim},
            {.name = u"ed9036p"_s,
             .kind = K::MaskedEdit,
             .label = u"Початок та закінчення етапу  (мм.рр)"_s,
             .mask = u"99.99;1;_"_s,
             .maxLength = 5,
             .text = kEmptyMonthYear,
             .flags = kChanged},
            {.name = u"ed9036z"_s,
             .kind = K::MaskedEdit,
             .mask = u"99.99;1;_"_s,
             .maxLength = 5,
             .text = kEmptyMonthYear,
             .flags = kChanged | SameRow},
            {.name = u"ed9036v"_s,
             .label = u"Вид звітного документу"_s,
             .maxLength = 2,
             .hint = kHint9036v,
             .flags = kChangedTrim},
            {.name = u"mm9036"_s,
             .kind = K::Memo,
             .label = u"Назва етапу"_s,
             .hint = noHelp,
             .flags = kChanged},
            {.name = u"BitBtn4"_s, .kind = K::Button, .label = u"Наступний етап"_s, .hint = noHelp},
            {.name = u"BitBtn5"_s,
             .kind = K::Button,
             .label = u"Попередній етап"_s,
             .hint = noHelp,
             .flags = SameRow},
        }};

    PageSpec subjects{u"TabSheet5"_s,
                      u"Тематика"_s,
                      {
                          {.name = u"ed5634"_s, .label = u"5634. Індекс УДК"_s, .flags = kChanged},
                      }};
    for (int box = 1; box <= 6; ++box) {
        FieldSpec rubric{.name = u"ed5616"_s + QString::number(box),
                         .kind = K::MaskedEdit,
                         .mask = u"99.99.99;1;_"_s,
                         .maxLength = 8,
                         .text = kEmptyDate,
                         .hint = registry,
                         .flags = kChanged};
        if (box == 1)
            rubric.label = u"5616. Коди тематичних рубрик"_s;
        if (box % 2 == 0)
            rubric.flags |= SameRow;
        subjects.fields.append(rubric);
    }
    subjects.fields.append({
        {.kind = K::Heading, .label = u"Прізвище, ім'я, по батькові"_s},
        researchrows::row(u"ed6111"),
        {.name = u"ed6210"_s,
         .label = u"Наукова ступінь,  вчене звання"_s,
         .hint = noHelp,
         .flags = kChanged},
        {.name = u"indjzk"_s,
         .kind = K::RadioGroup,
         .label = u"Мова ПІП керівника роботи"_s,
         .items = {u"українська "_s, u"російська"_s, u"англійська"_s},
         .text = u"0"_s},
        researchrows::row(u"ed6120"),
        {.name = u"ed6228"_s,
         .label = u"Наукова ступінь,  вчене звання"_s,
         .hint = noHelp,
         .flags = kChanged},
        {.name = u"ed6140"_s,
         .label = u"6140. Керівник відділу держреєстрації ВЕРАКС"_s,
         .hint = registry},
        {.name = u"REG"_s, .label = u"Реєстратор"_s, .hint = registry, .flags = kChanged | Hidden},
        {.name = u"DREG"_s,
         .label = u"Дата реєстрації"_s,
         .hint = registry,
         .flags = kChanged | Hidden},
    });

    return {registration, executor, customer, title, coexecutorsAndStages, subjects};
}

} // namespace

namespace rkhint {
const QString &noHelp = researchrows::noHelp;
const QString setAtRegistry = u"Проставляється при реєстрації РК в ВЕРАКС"_s;
const QString finance =
    hintLines({u"7713-Держбюджет"_s, u"7722-Кошти замовника"_s, u"7704-Власні кошти"_s});
} // namespace rkhint

const QList<PageSpec> &rkPages()
{
    static const QList<PageSpec> pages = buildPages();
    return pages;
}
