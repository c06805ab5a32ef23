#include "okdfiles.h" // also built into the benchmarks, which see only src/

using namespace Qt::StringLiterals;

QStringList okdNewCardLines()
{
    QStringList lines = {
        u"5013\\04"_s,  u"5256\\5"_s,        u"5418\\\\  .  .  "_s, u"5438\\    U      "_s,
        u"6147\\1\\"_s, u"6147\\2\\"_s,      u"6147\\3\\"_s,        u"6642\\0"_s,
        u"7425\\"_s,    u"6444\\  .  .  "_s, u"6480\\"_s,           u"7434\\  .  .  "_s,
        u"7020\\"_s,    u"7021\\"_s,         u"7443\\13"_s,         u"7344\\35"_s,
        u"5535\\35"_s,  u"5211\\55"_s,       u"9045\\1\\"_s,        u"9045\\2\\"_s,
        u"9045\\3\\"_s, u"9118\\1\\"_s,      u"9118\\2\\"_s,        u"9118\\3\\"_s,
        u"7452\\"_s,    u"1334\\"_s,         u"7461\\"_s,
    };
    for (const QString &block : {u"2430 2304 2637 2936"_s, u"3240 3330 3276 3294"_s,
                                 u"2484 2187 2781 2988"_s, u"2493 2196 2790 2997"_s}) {
        const QStringList codes = block.split(u' ');
        lines << codes[0] + u"\\"_s << codes[1] + u"\\"_s << codes[2] + u"\\\\"_s
              << codes[3] + u"\\"_s;
    }
    for (const QString &count :
         {u"5742"_s, u"5751"_s, u"5760"_s, u"5778"_s, u"5787"_s, u"5481"_s, u"5472"_s})
        lines << count + u"\\    "_s;
    for (int n = 1; n <= 3; ++n) {
        const QString row = u"6156\\%1\\"_s.arg(n);
        lines << row + u"1\\\\\\\\  .  .  \\  .  .  "_s << row + u"2\\"_s << row + u"3\\"_s;
    }
    for (int n = 1; n <= 4; ++n)
        lines << u"6165\\%1\\\\\\\\  .  .  \\  .  .  "_s.arg(n);
    lines << u"5634\\"_s;
    for (int n = 0; n < 6; ++n)
        lines << u"5616\\  .  .  "_s;
    lines << u"6174\\"_s << u"6140\\"_s << u"6273\\\\"_s;
    return lines;
}

QStringList okdFullCardLines()
{
    QStringList lines = {
        u"5013\\05"_s,
        u"5256\\4"_s,
        u"5418\\123/45\\01.02.03"_s,
        u"5438\\0104U000123"_s,
        u"6147\\1\\Петренко Петро Петрович"_s,
        u"6147\\2\\Петренко Пётр Петрович"_s,
        u"6147\\3\\Petrenko Petro"_s,
        u"6642\\1"_s,
        u"7425\\д.т.н."_s,
        u"6444\\05.13.06"_s,
        u"6444\\01.05.02"_s,
        u"6480\\Прикладна математика"_s,
        u"7434\\15.06.04"_s,
        u"7020\\ДНТП-7"_s,
        u"7021\\Ш-12"_s,
        u"7443\\22"_s,
        u"7344\\53"_s,
        u"5535\\44"_s,
        u"5211\\64"_s,
        u"9045\\1\\Методи обробки даних у розподілених системах"_s,
        u"9045\\2\\Методы обработки данных"_s,
        u"9045\\3\\Data processing methods"_s,
        u"9118\\1\\Дисертацію присвячено методам обробки даних. Запропоновано нові "
        u"алгоритми. Результати впроваджено у виробництво."_s,
        u"9118\\2\\Диссертация посвящена методам обработки данных."_s,
        u"9118\\3\\The thesis deals with data processing."_s,
        u"7452\\Д 26.001.09"_s,
        u"1334\\МОН України"_s,
        u"7461\\23456789"_s,
    };
    const QStringList cities = {u"КИЇВ"_s, u"ЛЬВІВ"_s, u"ХАРКІВ"_s, u"ОДЕСА"_s};
    const QStringList blocks = {u"2430 2304 2637 2936"_s, u"3240 3330 3276 3294"_s,
                                u"2484 2187 2781 2988"_s, u"2493 2196 2790 2997"_s};
    for (int b = 0; b < 4; ++b) {
        const QStringList codes = blocks[b].split(u' ');
        lines << codes[0] + u"\\0213456"_s + QString::number(b + 1)
              << codes[1] + u"\\Організація номер "_s + QString::number(b + 1)
              << codes[2] + u"\\"_s + cities[b] + u"\\вул. Наукова, "_s + QString::number(b + 1)
              << codes[3] + u"\\2000"_s + QString::number(b + 1) + u"00"_s;
    }
    lines << u"5742\\ 180"_s << u"5751\\   2"_s << u"5760\\  35"_s << u"5778\\  12"_s
          << u"5787\\ 154"_s << u"5481\\  21"_s << u"5472\\   3"_s;
    const QStringList supervisors = {u"Іваненко Іван"_s, u"Сидоренко Олег"_s, u"Коваленко Анна"_s};
    for (int n = 1; n <= 3; ++n) {
        const QString row = u"6156\\%1\\"_s.arg(n);
        lines << row + u"1\\"_s + supervisors[n - 1] + u"\\д.т.н.\\професор\\05.13.06\\01.05.02"_s
              << row + u"2\\"_s + supervisors[n - 1] + u" (рос)"_s
              << row + u"3\\"_s + supervisors[n - 1] + u" (eng)"_s;
    }
    for (int n = 1; n <= 4; ++n)
        lines << u"6165\\%1\\Опонент %1\\к.т.н.\\доцент\\05.13.06\\  .  .  "_s.arg(n);
    lines << u"5634\\004.9"_s;
    for (const QString &rubric :
         {u"50.05.09"_s, u"28.23.15"_s, u"  .  .  "_s, u"  .  .  "_s, u"  .  .  "_s, u"  .  .  "_s})
        lines << u"5616\\"_s + rubric;
    lines << u"6174\\Головенко Г.Г."_s << u"6140\\Реєстрова Р.Р."_s << u"6273\\д.т.н.\\професор"_s
          << u"reg\\Реєстратор\\20.07.04"_s;
    return lines;
}
