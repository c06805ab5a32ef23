#include "cardfile/cardreader.h"
#include "cardfile/cardwriter.h"
#include "cardfile/codepage.h"
#include "cardfile/support/cardtext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace cardfile;
using cardtest::AppliedLine;
using cardtest::cardBytes;
using cardtest::Recorder;
using namespace Qt::Literals::StringLiterals;

namespace {

QList<AppliedLine> applied(const QString &text, const CardFormat &format)
{
    Recorder recorder;
    const FileResult result = readCardBytes(cardBytes(text), format, recorder.handler());
    if (!result.ok)
        qWarning() << result.error;
    return recorder.applied;
}

} // namespace

class ReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void linesWithAndWithoutValues()
    {
        const QList<AppliedLine> lines = applied(u"5013\\01\n5418\\12\\01.02.03\n5418\\12\n5418\\\n"
                                                 u"   5256\\5  \n\t5517\\ \n\n"_s,
                                                 cardtest::rkFormat());
        // "5418\" has nothing after the separator and is ignored as a whole;
        // "5517\ " is trimmed to the same. The closing empty line adds nothing.
        const QList<AppliedLine> expected{{"5013", "5013\\01"},
                                          {"5418", "5418\\12\\01.02.03"},
                                          {"5418", "5418\\12"},
                                          {"5256", "5256\\5"}};
        QCOMPARE(lines, expected);
    }

    // The same card with other line ends and in UTF-8 is read as the same card;
    // only UTF-8 brings a notice.
    void lineEndsAndEncodingsAreAlike_data()
    {
        const QString card = u"5013\\01\n5256\\5\n9126\\Київ «a» №1\nb\n\n6140\\x\n\n"_s;
        QByteArray lf = card.toUtf8();
        const auto withLineEnd = [](QByteArray bytes, const char *end) {
            return bytes.replace("\n", end);
        };
        const QByteArray cp1251 = codepage::encode(card).value();
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("LF, code page 1251") << cp1251 << false;
        QTest::newRow("CR alone") << withLineEnd(cp1251, "\r") << false;
        QTest::newRow("CR LF and CR mixed")
            << withLineEnd(cp1251, "\r\n").replace("5\r\n", "5\r") << false;
        QTest::newRow("UTF-8") << withLineEnd(lf, "\r\n") << true;
        QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + lf << true;
    }

    void lineEndsAndEncodingsAreAlike()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        Recorder recorder;
        const FileResult result = readCardBytes(bytes, cardtest::rkFormat(), recorder.handler());
        QVERIFY(result.ok);
        QCOMPARE(recorder.applied, (QList<AppliedLine>{{"5013", "5013\\01"},
                                                       {"5256", "5256\\5"},
                                                       {"9126", "9126\\Київ «a» №1 b"},
                                                       {"6140", "6140\\x"}}));
        QCOMPARE(!result.notice.isEmpty(), utf8);
    }

    // Texts that are not plainly Ukrainian UTF-8 stay in code page 1251, and
    // control characters inside a line become blanks.
    void otherBytesAreCodePage1251()
    {
        const auto firstValue = [](const QByteArray &bytes) {
            Recorder recorder;
            const FileResult result =
                readCardBytes("5256\\" + bytes + "\r\n", cardtest::rkFormat(), recorder.handler());
            return std::pair(recorder.applied.value(0).text.mid(5), result.notice.isEmpty());
        };
        // "Рі" in code page 1251 is valid UTF-8 for one Cyrillic letter, but
        // a text of Latin letters with accents is not Ukrainian.
        QCOMPARE(firstValue("\xC3\xA9t\xC3\xA9"), std::pair(u"Г©tГ©"_s, true));
        // Code page pairs that UTF-8 reads as a letter or two, an old letter
        // among them, are what a clerk typed.
        QCOMPARE(firstValue("\xD0\xB3"), std::pair(u"Рі"_s, true));
        QCOMPARE(firstValue("\xD1\xA3 \xD0\xB3\xD0\xB3\xD0\xB3"), std::pair(u"СЈ РіРіРі"_s, true));
        QCOMPARE(firstValue("\xD2\x90\xD2\x90\xD2\x90\xD2\x90\xD0\xB3"),
                 std::pair(u"ТђТђТђТђРі"_s, true));
        // Letters after every «Р», as a clerk types them: UTF-8 of real text
        // would show signs there («Р°» for «а»).
        QCOMPARE(firstValue("\xD0\xB3\xD0\xB3 \xD0\xB3\xD0\xB3"), std::pair(u"РіРі РіРі"_s, true));
        // UTF-8 for letters code page 1251 does not hold («Ѐ»): such a reading
        // could not be saved again.
        QCOMPARE(firstValue("\xD0\x80\xD0\x80\xD0\x80\xD0\xB0"), std::pair(u"РЂРЂРЂР°"_s, true));
        // A mark before text that is not UTF-8 is left out, the rest is code
        // page 1251, and the clerk is told.
        QCOMPARE(firstValue("x\xB2").first, u"xІ"_s);
        Recorder recorder;
        const FileResult marked = readCardBytes("\xEF\xBB\xBF"
                                                "5256\\\xB2\xE2\xE0\r\n",
                                                cardtest::rkFormat(), recorder.handler());
        QCOMPARE(recorder.applied.value(0).text, u"5256\\Іва"_s);
        QVERIFY(marked.notice.contains(u"позначено як UTF-8"_s));
        QCOMPARE(firstValue("a\tb\x01"
                            "c\x98"
                            "d\x7F"),
                 std::pair(u"a b c d"_s, true));
    }

    // Any card the program can write reads back as it was written: values of
    // random letters of the whole code page, a few short ones among ASCII or
    // many long ones, never come back as UTF-8.
    void writtenCardsReadBackUnchanged()
    {
        QString letters;
        for (int byte = 0x20; byte < 0x100; ++byte)
            if (byte != '\\' && byte != 0x7F && byte != 0x98)
                letters += codepage::decode(QByteArray(1, char(byte)));
        std::mt19937 random(22);
        const auto pick = [&random](int n) {
            return std::uniform_int_distribution<int>(0, n - 1)(random);
        };
        for (int card = 0; card < 3000; ++card) {
            QStringList lines{u"5013\\01"_s};
            const int fields = 1 + pick(card % 2 ? 3 : 30);
            for (int field = 0; field < fields; ++field) {
                QString value;
                const int length = 1 + (pick(4) == 0 ? pick(2000) : pick(3));
                for (int i = 0; i < length; ++i)
                    value += letters[pick(int(letters.size()))];
                lines << u"%1\\%2"_s.arg(6000 + field).arg(value.trimmed());
            }
            const EncodedCard written = encodeCard(lines);
            QVERIFY(written.ok());
            Recorder recorder;
            const FileResult read =
                readCardBytes(written.bytes, cardtest::okdFormat(), recorder.handler());
            QVERIFY(read.ok);
            QVERIFY2(read.notice.isEmpty(), qPrintable(lines.join(u'|')));
            QStringList back;
            for (const AppliedLine &line : std::as_const(recorder.applied))
                back << line.text;
            lines.removeIf([](const QString &line) { return line.endsWith(u'\\'); });
            QCOMPARE(back, lines);
        }
    }

    void continuationLinesJoinWithOneBlank()
    {
        const QList<AppliedLine> lines =
            applied(u"9027\\1\\Назва\n  роботи  \n9126\\перше\nдруге\n\nтретє\n"
                    u"abcd\\не продовження\n9153\\опис\nreg\\0123U\\01.02.03\n"_s,
                    cardtest::rkFormat());
        const QList<AppliedLine> expected{
            {"9027", "9027\\1\\Назва роботи"},
            // An empty line inside the field still gives its blank.
            {"9126", "9126\\перше друге  третє"},
            // Four characters and "\" end the field: the line is a coded line.
            {"abcd", "abcd\\не продовження"},
            // "reg\" has its separator at position 4: it goes on the field.
            {"9153", "9153\\опис reg\\0123U\\01.02.03"}};
        QCOMPARE(lines, expected);
    }

    void lookAheadLineIsAppliedInTheSamePass()
    {
        Recorder recorder;
        QVERIFY(readCardBytes(cardBytes(u"9126\\a\nb\n6140\\x\n"_s), cardtest::rkFormat(),
                              recorder.handler())
                    .ok);
        // One pass joins 9126 and hands over 6140, which stopped the joining.
        QCOMPARE(recorder.passes, 1);
        QCOMPARE(recorder.applied,
                 (QList<AppliedLine>{{"9126", "9126\\a b"}, {"6140", "6140\\x"}}));
    }

    void fileEndingInsideMultiLineField()
    {
        // Cut off without the closing empty line, with it, and with a
        // multi-line field's first line as the very last line.
        QCOMPARE(applied(u"5256\\5\n9126\\a\nb"_s, cardtest::rkFormat()),
                 (QList<AppliedLine>{{"5256", "5256\\5"}, {"9126", "9126\\a b"}}));
        QCOMPARE(applied(u"9126\\a\nb\n\n"_s, cardtest::rkFormat()),
                 (QList<AppliedLine>{{"9126", "9126\\a b"}}));
        QCOMPARE(applied(u"9126\\a\n9153\\c"_s, cardtest::rkFormat()),
                 (QList<AppliedLine>{{"9126", "9126\\a"}, {"9153", "9153\\c"}}));
    }

    void multiLineFieldWhoseFirstLineIsEmpty()
    {
        // A memo that starts with a line break keeps its text whether or not
        // another multi-line field comes before it.
        const QString memo = u"9126\\\nтекст\n6140\\x\n"_s;
        QCOMPARE(applied(memo, cardtest::rkFormat()).first(),
                 (AppliedLine{"9126", "9126\\ текст"}));
        QCOMPARE(applied(u"9027\\1\\t\n"_s + memo, cardtest::rkFormat()).at(1),
                 (AppliedLine{"9126", "9126\\ текст"}));
    }

    void exemptCodes()
    {
        const QString text = u"2394\\\\mail@example.org\n2395\\\\fax\n"_s;
        QCOMPARE(applied(text, cardtest::rkFormat()),
                 (QList<AppliedLine>{{"2394", "2394\\\\mail@example.org"}}));
        QCOMPARE(applied(text, cardtest::okFormat()).size(), 2);
        QCOMPARE(applied(text, cardtest::okdFormat()).size(), 0);
    }

    void blankPieceTwoBeforeASeparatorIsEmpty()
    {
        // Written again, such a piece is empty, and the line would be ignored.
        QCOMPARE(applied(u"7344\\  \\x\n5256\\ 5\n"_s, cardtest::okdFormat()),
                 (QList<AppliedLine>{{"5256", "5256\\ 5"}}));
        QCOMPARE(applied(u"2394\\ \\mail@example.org\n"_s, cardtest::rkFormat()),
                 (QList<AppliedLine>{{"2394", "2394\\\\mail@example.org"}}));
    }

    void okdComparesCodeAsItStands()
    {
        const QString text = u"5256 \\5\n 9045\\1\\Тема\nдисертації\n6174\\x\n"_s;
        QCOMPARE(applied(text, cardtest::rkFormat()).first(), (AppliedLine{"5256", "5256 \\5"}));
        QCOMPARE(applied(text, cardtest::okdFormat()),
                 (QList<AppliedLine>{{"5256 ", "5256 \\5"},
                                     {"9045", "9045\\1\\Тема дисертації"},
                                     {"6174", "6174\\x"}}));
    }

    void handlerStopsTheReading()
    {
        Recorder recorder;
        recorder.stopCode = "9118";
        recorder.stopMessage = stoppedAt(3, u"9118", notWholeNumberMessage(u"x"));
        const QString text = u"5013\\04\n9045\\1\\a\n9118\\x\\b\nc\n6140\\y\n"_s;
        const FileResult result =
            readCardBytes(cardBytes(text), cardtest::okdFormat(), recorder.handler());
        QVERIFY(!result.ok);
        QCOMPARE(result.error, recorder.stopMessage);
        QCOMPARE(result.error,
                 u"Картку прочитано не до кінця: у рядку 3 (код 9118) стоїть «x» там, "
                 u"де має бути ціле число."_s);
        // What came before stays applied; 6140, handed over in the pass that
        // stopped, after the joined field, is not.
        QCOMPARE(recorder.applied,
                 (QList<AppliedLine>{{"5013", "5013\\04"}, {"9045", "9045\\1\\a"}}));
    }

    void wholeNumbers()
    {
        QCOMPARE(wholeNumber(u"3"), 3);
        QCOMPARE(wholeNumber(u"  12"), 12);
        QCOMPARE(wholeNumber(u"-7"), -7);
        QCOMPARE(wholeNumber(u"+7"), 7);
        QCOMPARE(wholeNumber(u"2147483647"), 2147483647);
        QCOMPARE(wholeNumber(u"-2147483648"), std::numeric_limits<int>::min());
        // Beyond int: the nearest bound, never an overflow.
        QCOMPARE(wholeNumber(u"2147483648"), std::numeric_limits<int>::max());
        QCOMPARE(wholeNumber(u"-99999999999999999999999"), std::numeric_limits<int>::min());
        for (const char16_t *bad : {u"", u" ", u"-", u"a", u"1a", u"12 ", u"1.5", u"1e5"})
            QVERIFY2(!wholeNumber(bad), qPrintable(QString::fromUtf16(bad)));
    }

    void readsFromFileAndReportsWhyNot()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("RK.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cardBytes(u"5013\\01\n9126\\Київ\n"_s));
        file.close();

        Recorder recorder;
        QVERIFY(readCardFile(path, cardtest::rkFormat(), recorder.handler()).ok);
        QCOMPARE(recorder.applied,
                 (QList<AppliedLine>{{"5013", "5013\\01"}, {"9126", "9126\\Київ"}}));

        const QString missing = dir.filePath("немає.txt");
        FileResult result = readCardFile(missing, cardtest::rkFormat(), recorder.handler());
        QVERIFY(!result.ok);
        QCOMPARE(result.error,
                 u"Не вдалося відкрити файл «%1»: такого файлу немає."_s.arg(missing));
        result = readCardFile(dir.path(), cardtest::rkFormat(), recorder.handler());
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(u"це папка, а не файл"), qPrintable(result.error));
        result =
            readCardFile(dir.filePath("none/RK.txt"), cardtest::rkFormat(), recorder.handler());
        QVERIFY2(result.error.contains(u"папки «%1» не існує"_s.arg(dir.filePath("none"))),
                 qPrintable(result.error));
    }
};

QTEST_GUILESS_MAIN(ReaderTest)
#include "reader_test.moc"
