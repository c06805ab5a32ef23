#include "okfiles.h" // also built into the benchmarks, which see only src/

using namespace Qt::StringLiterals;

namespace {

QStringList languageLines(const QString &code, const QStringList &texts)
{
    QStringList lines;
    for (int i = 0; i < texts.size(); ++i)
        lines.append(code + u"\\"_s + QString::number(i + 1) + u"\\"_s + texts.at(i));
    return lines;
}

QString listValue(const QStringList &entries)
{
    return entries.join(u';') + u';';
}

} // namespace

QStringList newOkCardLines()
{
    const QStringList none = {QString(), QString(), QString()};
    QStringList lines = {
        u"5013\\03"_s,          u"5256\\5"_s, u"5418\\\\  .  .  "_s, u"5436\\           "_s,
        u"5437\\    U      "_s, u"7200\\"_s,  u"7021\\"_s,           u"7020\\"_s,
        u"2457\\1\\        "_s,
    };
    lines += languageLines(u"2151"_s, none);
    lines += {u"2358\\"_s,
              u"2655\\\\"_s,
              u"2934\\"_s,
              u"2394\\\\"_s,
              u"1332\\"_s,
              u"2459\\1\\        "_s,
              u"2153\\"_s,
              u"2360\\"_s,
              u"2657\\\\"_s,
              u"2935\\"_s,
              u"2395\\\\"_s,
              u"1333\\"_s,
              u"5518\\\\  .  .  "_s,
              u"9036\\  \\  .  \\  .  \\\\"_s,
              u"5526\\"_s};
    lines += languageLines(u"9027"_s, none);
    lines += languageLines(u"9117"_s, none);
    lines += {u"5635\\"_s,
              u"5481\\"_s,
              u"5490\\             "_s,
              u"5562\\0"_s,
              u"7344\\35"_s,
              u"5040\\"_s,
              u"5715\\720"_s,
              u"5742\\      "_s,
              u"7209\\"_s,
              u"7210\\           "_s,
              u"5535\\35"_s,
              u"5211\\55"_s,
              u"6012\\"_s,
              u"6140\\"_s,
              u"7326\\"_s,
              u"5634\\"_s,
              u"6111\\"_s,
              u"6210\\"_s};
    lines += languageLines(u"6120"_s, none);
    lines += u"6228\\"_s;
    return lines;
}

QStringList fullOkCardLines()
{
    QStringList programmes, stages, products;
    for (int i = 0; i < 10; ++i) {
        programmes.append(QString::number(i % 6 + 1));
        stages.append(u"%1U%2"_s.arg(1000 + i).arg(100000 + i));
        products.append(QStringList{u"09"_s, u"45"_s, u"72"_s}.at(i % 3));
    }
    QStringList lines = {
        u"5013\\02"_s,          u"5256\\4"_s,           u"5418\\15/2-7\\12.03.05"_s,
        u"5436\\0105U000123"_s, u"5437\\0205U001234"_s, u"7200\\"_s + listValue(programmes),
        u"7021\\ТЕМА-17"_s,     u"7020\\12.4"_s,        u"7199\\5"_s,
        u"7022\\ДЦП-3"_s,       u"2457\\1\\12345678"_s,
    };
    lines += languageLines(u"2151"_s, {u"Інститут кібернетики"_s, u"Институт кибернетики"_s,
                                       u"Institute of Cybernetics"_s});
    lines += {
        u"2358\\ІК"_s,
        u"2655\\Київ\\просп. Академіка Глушкова, 40"_s,
        u"2934\\(044) 526-20-08"_s,
        u"2394\\(044) 526-20-09\\office@ik.example"_s,
        u"1332\\НАН України"_s,
        u"2459\\2\\1234567890"_s,
        u"2153\\Петренко Петро Петрович"_s,
        u"2360\\ПП"_s,
        u"2657\\Харків\\вул. Сумська, 2"_s,
        u"2935\\(057) 700-00-01"_s,
        u"2395\\(057) 700-00-02\\owner@example.com"_s,
        u"1333\\МОН України"_s,
        u"5518\\Д-17/3\\01.02.05"_s,
        u"9036\\03\\01.04\\12.05\\З\\Випробування зразка"_s,
        u"5526\\"_s + listValue(stages),
    };
    lines += languageLines(u"9027"_s, {u"Розпізнавання образів"_s, u"Распознавание образов"_s,
                                       u"Pattern recognition"_s});
    lines += languageLines(u"9117"_s, {u"Об'єкт дослідження - методи розпізнавання."_s,
                                       u"Объект исследования - методы распознавания."_s,
                                       u"The object of research is recognition methods."_s});
    lines += {
        u"5635\\Швидше за аналоги"_s,
        u"5481\\Петренко П. Розпізнавання. - К., 2005. - 120 с."_s,
        u"5490\\2            "_s,
        u"5562\\1"_s,
        u"7344\\53"_s,
        u"5040\\91"_s,
        u"5715\\570"_s,
        u"5742\\120   "_s,
        u"7209\\71"_s,
        u"7210\\U105U000777"_s,
    };
    for (int n = 1; n <= 20; ++n) {
        const bool individual = n % 2 == 0;
        lines.append(
            u"2142\\%1\\%2\\%3\\Місто %1\\Співвиконавець %1\\вул. Нова, %1"_s.arg(n)
                .arg(individual ? 2 : 1)
                .arg(individual ? u"%1"_s.arg(1000000000 + n) : u"%1"_s.arg(20000000 + n)));
    }
    lines += {
        u"5535\\44"_s,
        u"5211\\63"_s,
        u"6012\\150"_s,
        u"6140\\Сидоренко С.С."_s,
        u"7326\\"_s + listValue(products),
        u"5634\\004.93"_s,
        u"5616\\28.23.15"_s,
        u"5616\\28.23.17"_s,
        u"5616\\50.41.25"_s,
        u"6111\\Іваненко І.І."_s,
        u"6210\\академік"_s,
    };
    lines +=
        languageLines(u"6120"_s, {u"Коваленко К.К."_s, u"Коваленко К.К."_s, u"Kovalenko K.K."_s});
    lines += {u"6228\\д.т.н."_s, u"reg\\Реєстратор А.\\20.03.2005"_s};
    return lines;
}
