#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Coded lines of a card file are a field code followed by values, all
// separated by "\". These helpers take such a text apart.
namespace cardfile {

inline constexpr QChar kSeparator = u'\\';

// The n-th "\"-separated piece of `text`, n counted from 1 (piece 1 is the
// field code). The last piece runs to the end of the text; a piece beyond the
// last separator, or n < 1, is empty. In "2394\\a" piece 2 is empty and
// piece 3 is "a". Only the text up to the wanted piece is scanned.
QString piece(QStringView text, int n);
// The same piece as a view into `text` (no copy); valid while `text` is.
QStringView pieceView(QStringView text, int n);

// `text` without leading and trailing blanks and control characters (every
// character up to U+0020). A no-break space is a character of the value and
// stays, unlike with QString::trimmed().
QStringView trimmedView(QStringView text);
QString trimmed(QStringView text);

// A line cut into its pieces once, for readers that take many pieces of the
// same line: at(n) equals piece(line, n) for every n.
class Pieces
{
public:
    explicit Pieces(const QString &line);

    // Number of pieces the line has: separators + 1.
    int count() const { return int(m_separators.size()) + 1; }
    QString at(int n) const { return view(n).toString(); }
    QStringView view(int n) const;

private:
    QString m_line;
    QList<qsizetype> m_separators; // positions of every "\" in m_line
};

} // namespace cardfile

namespace cardfile {

// A coded line: `code` and `values` joined by the separator.
QString codedLine(const QString &code, const QStringList &values);

} // namespace cardfile
