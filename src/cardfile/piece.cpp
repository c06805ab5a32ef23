#include "cardfile/piece.h"

namespace cardfile {

QStringView pieceView(QStringView text, int n)
{
    if (n < 1)
        return {};
    qsizetype start = 0;
    for (int i = 1; i < n; ++i) {
        const qsizetype separator = text.indexOf(kSeparator, start);
        if (separator < 0)
            return {};
        start = separator + 1;
    }
    const qsizetype end = text.indexOf(kSeparator, start);
    return end < 0 ? text.sliced(start) : text.sliced(start, end - start);
}

QString piece(QStringView text, int n)
{
    return pieceView(text, n).toString();
}

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ')
        --end;
    return text.sliced(begin, end - begin);
}

QString trimmed(QStringView text)
{
    return trimmedView(text).toString();
}

Pieces::Pieces(const QString &line) : m_line(line)
{
    m_separators.reserve(m_line.count(kSeparator));
    for (qsizetype at = m_line.indexOf(kSeparator); at >= 0;
         at = m_line.indexOf(kSeparator, at + 1))
        m_separators.append(at);
}

QStringView Pieces::view(int n) const
{
    if (n < 1 || n > count())
        return {};
    const qsizetype start = n == 1 ? 0 : m_separators[n - 2] + 1;
    const qsizetype end = n <= m_separators.size() ? m_separators[n - 1] : m_line.size();
    return QStringView(m_line).sliced(start, end - start);
}

} // namespace cardfile

namespace cardfile {

QString codedLine(const QString &code, const QStringList &values)
{
    qsizetype length = code.size();
    for (const QString &value : values)
        length += 1 + value.size();
    QString line;
    line.reserve(length);
    line += code;
    for (const QString &value : values) {
        line += kSeparator;
        line += value;
    }
    return line;
}

} // namespace cardfile
