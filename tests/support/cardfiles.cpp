#include "cardfiles.h" // also built into the benchmarks, which see only src/

#include <QStringEncoder>

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
