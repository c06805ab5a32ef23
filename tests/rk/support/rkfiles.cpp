#include "rk/support/rkfiles.h"

#include <QStringEncoder>

using namespace Qt::StringLiterals;

QByteArray cardBytes(const QStringList &lines)
{
    QStringEncoder encoder("windows-1251");
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += encoder.encode(line) + "\r\n";
    return bytes + "\r\n";
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
