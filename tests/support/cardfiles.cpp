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

QStringList withLine(QStringList lines, const QString &prefix, const QString &line)
{
    for (qsizetype at = 0; at < lines.size(); ++at) {
        if (!lines[at].startsWith(prefix))
            continue;
        if (line.isEmpty())
            lines.removeAt(at);
        else
            lines[at] = line;
        return lines;
    }
    qFatal("no line opens with %s", qPrintable(prefix));
}

QString checkLines(const QString &card, const QString &where, const QStringList &messages)
{
    QString out;
    for (QString message : messages)
        out += card + QStringLiteral(": ") + where + QStringLiteral(": ") +
               message.replace(QStringLiteral("\n\r"), QStringLiteral(" ")) + QLatin1Char('\n');
    return out;
}
