#include "cardfile/piece.h"

#include <QTest>

using namespace cardfile;

class PieceTest : public QObject
{
    Q_OBJECT

private slots:
    void piecesOfCodedLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");
        const QString letter = QStringLiteral("5418\\12\\01.02.03");
        QTest::newRow("code") << letter << 1 << "5418";
        QTest::newRow("number") << letter << 2 << "12";
        QTest::newRow("last runs to end") << letter << 3 << "01.02.03";
        QTest::newRow("beyond the last") << letter << 4 << "";
        QTest::newRow("n zero") << letter << 0 << "";
        QTest::newRow("double separator: empty") << "2394\\\\a" << 2 << "";
        QTest::newRow("double separator: after") << "2394\\\\a" << 3 << "a";
        QTest::newRow("trailing separator") << "5418\\12\\" << 3 << "";
        QTest::newRow("no separator") << "second line of a memo" << 1 << "second line of a memo";
        QTest::newRow("blanks are kept") << " 6165 \\ 2 \\x" << 2 << " 2 ";
        QTest::newRow("leading separator") << "\\a" << 1 << "";
    }

    void piecesOfCodedLines()
    {
        QFETCH(QString, text);
        QFETCH(int, n);
        QFETCH(QString, expected);
        QCOMPARE(piece(text, n), expected);
        QCOMPARE(pieceView(text, n).toString(), expected);
        const Pieces pieces(text);
        QCOMPARE(pieces.at(n), expected);
        QCOMPARE(pieces.count(), text.count(u'\\') + 1);
    }

    void codedLinesJoinTheirValues_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("line");
        QTest::newRow("no value") << QStringList{} << "5418";
        QTest::newRow("one value") << QStringList{"12"} << "5418\\12";
        QTest::newRow("values kept as they are")
            << QStringList{"", " 2 ", "01.02.03"} << "5418\\\\ 2 \\01.02.03";
    }

    void codedLinesJoinTheirValues()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, line);
        QCOMPARE(codedLine(QStringLiteral("5418"), values), line);
        for (qsizetype n = 0; n < values.size(); ++n)
            QCOMPARE(piece(line, int(n) + 2), values.at(n));
    }

    // Blanks and control characters go, the no-break space (a character
    // code page 1251 holds) belongs to the value.
    void trimmingRemovesBlanksOnly()
    {
        QCOMPARE(trimmed(u"  \t5256\\5 \r"), QStringLiteral("5256\\5"));
        QCOMPARE(trimmed(u"\u00A0x\u00A0 "), QStringLiteral("\u00A0x\u00A0"));
        QCOMPARE(trimmed(u" \r\n "), QString());
    }
};

QTEST_GUILESS_MAIN(PieceTest)
#include "piece_test.moc"
