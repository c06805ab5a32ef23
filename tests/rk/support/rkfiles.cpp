#include "rkfiles.h" // also built into the benchmarks, which see only src/

#include <QStringEncoder>

using namespace Qt::StringLiterals;

QByteArray lineBytes(const QStringList &lines)
{
    QStringEncoder encoder("windows-1251");
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += encoder.encode(line) + "\r\n";
    return bytes;
}

QByteArray cardBytes(const QStringList &lines)
{
    return lineBytes(lines) + "\r\n";
}

QStringList newCardLines()
{
    return {
        u"5013\\01"_s,
        u"5256\\5"_s,
        u"5436\\    U      "_s,
        u"5418\\\\  .  .  "_s,
        u"2457\\1\\        "_s,
        u"2151\\1\\"_s,
        u"2151\\2\\"_s,
        u"2151\\3\\"_s,
        u"2358\\"_s,
        u"2655\\\\"_s,
        u"2934\\"_s,
        u"2394\\\\"_s,
        u"1332\\"_s,
        u"7353\\  .  "_s,
        u"7362\\  .  "_s,
        u"7146\\"_s,
        u"7191\\"_s,
        u"7210\\           "_s,
        u"9027\\1\\"_s,
        u"9027\\2\\"_s,
        u"9027\\3\\"_s,
        u"9126\\"_s,
        u"9153\\"_s,
        u"5634\\"_s,
        u"6111\\"_s,
        u"6120\\1\\"_s,
        u"6120\\2\\"_s,
        u"6120\\3\\"_s,
        u"6140\\"_s,
    };
}

namespace {

QString kindNumber(int entry)
{
    return entry % 2 ? u"1"_s : u"2"_s;
}

QString code(int entry)
{
    return entry % 2 ? u"1234567"_s + QString::number(entry % 10)
                     : u"123456789"_s + QString::number(entry % 10);
}

} // namespace

QStringList fullCardLines(int customers, int coexecutors, int stages)
{
    QStringList lines = {
        u"5013\\01"_s,
        u"5256\\4"_s,
        u"5436\\0105U000123"_s,
        u"5418\\17/2-45\\15.03.05"_s,
        u"5517\\0104U009876"_s,
        u"2457\\1\\01234567"_s,
        u"2151\\1\\Інститут фізики напівпровідників імені В. Є. Лашкарьова"_s,
        u"2151\\2\\Институт физики полупроводников"_s,
        u"2151\\3\\Institute of Semiconductor Physics"_s,
        u"2358\\ІФН"_s,
        u"2655\\Київ\\просп. Науки, 41"_s,
        u"2934\\(044) 525-00-00"_s,
        u"2394\\(044) 525-00-01\\office@example.ua"_s,
        u"1332\\НАН України"_s,
    };
    for (int n = 1; n <= customers; ++n) {
        lines.append(
            u"2458\\%1\\%2\\%3\\Місто %1\\Замовник номер %1 «Ґудзик»\\вул. Їжакова, %1"_s.arg(n)
                .arg(kindNumber(n), code(n)));
    }
    lines += {
        u"7713\\тис.грн.\\120,5"_s,
        u"7705\\дол.\\30"_s,
        u"7722\\євро\\15"_s,
        u"7353\\01.05"_s,
        u"7362\\12.07"_s,
        u"7146\\07"_s,
        u"7191\\48"_s,
        u"7200\\1;3"_s,
        u"7020\\ДНТП-12"_s,
        u"7021\\Шифр-7"_s,
        u"7209\\17"_s,
        u"7210\\0104U012345"_s,
        u"5274\\Г-15"_s,
        u"7199\\5"_s,
        u"7022\\ДЦП-3"_s,
        u"9027\\1\\Дослідження напівпровідникових структур"_s,
        u"9027\\2\\Исследование полупроводниковых структур"_s,
        u"9027\\3\\Study of semiconductor structures"_s,
        u"9126\\Мета: створення нових матеріалів (№ 5)"_s,
        u"9153\\Очікувані результати: звіт, патенти"_s,
    };
    for (int n = 1; n <= coexecutors; ++n) {
        lines.append(
            u"2142\\%1\\%2\\%3\\Місто %1\\Співвиконавець номер %1\\вул. Садова, %1"_s.arg(n).arg(
                kindNumber(n), code(n)));
    }
    for (int n = 1; n <= stages; ++n) {
        lines.append(u"9036\\%1\\%2.05\\%3.06\\91\\Етап номер %1: дослідження"_s.arg(n)
                         .arg(n % 12 + 1, 2, 10, QChar(u'0'))
                         .arg(n % 12 + 1, 2, 10, QChar(u'0')));
    }
    lines += {
        u"5634\\621.315.592"_s,
        u"5616\\29.19.31"_s,
        u"5616\\29.19.16"_s,
        u"5616\\47.09.48"_s,
        u"5616\\61.01.77"_s,
        u"5616\\29.03.45"_s,
        u"5616\\50.01.02"_s,
        u"6111\\Петренко Петро Петрович"_s,
        u"6210\\д.ф.-м.н., професор"_s,
        u"6120\\1\\Іваненко Іван Іванович"_s,
        u"6120\\2\\Иваненко Иван Иванович"_s,
        u"6120\\3\\Ivanenko Ivan"_s,
        u"6228\\к.т.н."_s,
        u"6140\\Сидоренко С.С."_s,
        u"reg\\0105U000123\\20.03.2005"_s,
    };
    return lines;
}
