#include "cardfile/editmask.h"

#include <QTest>

namespace {
const QString kDate = QStringLiteral("99.99.99;1;_");
const QString kDateNoBlank = QStringLiteral("99.99.99;1;");
const QString kDateSpaced = QStringLiteral("99.99.99;1; ");
const QString kRubric = QStringLiteral("!99.99.99;1; ");
const QString kStateNumber = QStringLiteral("9999U999999;1;_");
const QString kRegNumber = QStringLiteral("AA99A99999A;1;_");
const QString kCode8 = QStringLiteral("99999999;1;_");
const QString kCode10 = QStringLiteral("9999999999;1;_");
const QString kPhone = QStringLiteral("99999999;1; ");
const QString kMonthYear = QStringLiteral("99.99;1;_");
const QString kOneDigit = QStringLiteral("!9;1; ");
const QString kTwoDigitsRight = QStringLiteral("!99;1; ");
const QString kCount = QStringLiteral("!9999;1; ");
const QString kStage = QStringLiteral("99;1;_");
const QString kPatents = QStringLiteral("9999999999999;1; ");
const QString kPages = QStringLiteral("999999;1; ");
const QString kCity = QStringLiteral(">LLLlccccccccccccccccccccccccc;0; ");

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

QString padded(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '));
}

// Types `keys` into an untouched field from its first open position, as a
// user would; the characters the mask refuses are collected in `refused`.
EditMask::Edit typeInto(const EditMask &mask, const QString &keys, QString *refused)
{
    EditMask::Edit edit{mask.emptyState(), mask.firstOpen()};
    for (const QChar key : keys) {
        if (const std::optional<EditMask::Edit> next = mask.type(edit.state, edit.cursor, key))
            edit = *next;
        else
            refused->append(key);
    }
    return edit;
}
// One row of a data-driven test: a name, a mask and up to three texts.
struct Row
{
    const char *name;
    QString mask;
    QString a;
    QString b;
    QString c = {}; // unused by two-text tests
};

void addRows(std::initializer_list<Row> rows)
{
    for (const Row &row : rows)
        QTest::newRow(row.name) << row.mask << row.a << row.b << row.c;
}
} // namespace

class EditMaskTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyPattern_data();
    void emptyPattern();
    void typing_data();
    void typing();
    void programText_data();
    void programText();
    void refusedCharacters_data();
    void refusedCharacters();
    void paste_data();
    void paste();
    void requiredPositions();
    void caseChangeAndEscapes();
    void cursorMovesPastLiterals();
    void noMask();
};

void EditMaskTest::emptyPattern_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("empty");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("unused");

    // An empty blank field ("99.99.99;1;") shows the default blank "_".
    addRows({
        {"date", kDate, "  .  .  ", "__.__.__"},
        {"date, blank field empty", kDateNoBlank, "  .  .  ", "__.__.__"},
        {"date, blank space", kDateSpaced, "  .  .  ", "  .  .  "},
        {"rubric", kRubric, "  .  .  ", "  .  .  "},
        {"state number", kStateNumber, "    U      ", "____U______"},
        {"registration number", kRegNumber, blanks(11), QString(11, '_')},
        {"organisation code", kCode8, blanks(8), QString(8, '_')},
        {"tax number", kCode10, blanks(10), QString(10, '_')},
        {"phone", kPhone, blanks(8), blanks(8)},
        {"month-year", kMonthYear, "  .  ", "__.__"},
        {"one digit", kOneDigit, " ", " "},
        {"two digits right", kTwoDigitsRight, "  ", "  "},
        {"count", kCount, "    ", "    "},
        {"stage number", kStage, "  ", "__"},
        {"patents", kPatents, blanks(13), blanks(13)},
        {"pages", kPages, blanks(6), blanks(6)},
        {"city", kCity, blanks(29), blanks(29)},
    });
}

void EditMaskTest::emptyPattern()
{
    QFETCH(QString, mask);
    QFETCH(QString, empty);
    QFETCH(QString, shown);

    const EditMask parsed(mask);
    QCOMPARE(parsed.written(), mask);
    QCOMPARE(parsed.emptyText(), empty);
    QCOMPARE(parsed.display(parsed.emptyState()), shown);
    QVERIFY(parsed.isBlank(parsed.emptyState()));
    // What the field shows, given back by the program, is still an empty field.
    QCOMPARE(parsed.readBack(parsed.place(shown)), empty);
    QCOMPARE(parsed.readBack(parsed.place(empty)), empty);
    QCOMPARE(parsed.readBack(parsed.place(QString())), empty);
}

void EditMaskTest::typing_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refused");

    addRows({
        {"date, part", kDate, "12a03", "12.03.  ", "a"},
        {"date, all", kDate, "1203051", "12.03.05", "1"},
        {"date, typed points", kDate, "1.3.05", "1 .3 .05", ""},
        {"date no blank, part", kDateNoBlank, "Я31", "31.  .  ", "Я"},
        {"date no blank, all", kDateNoBlank, "310205", "31.02.05", ""},
        {"date spaced, part", kDateSpaced, "0101", "01.01.  ", ""},
        {"date spaced, all", kDateSpaced, "010199", "01.01.99", ""},
        {"rubric, part right-aligned", kRubric, "1x2345", " 1.23.45", "x"},
        {"rubric, all", kRubric, "123456", "12.34.56", ""},
        {"state number, part", kStateNumber, "1b2345", "1234U5     ", "b"},
        {"state number, all", kStateNumber, "1234567890", "1234U567890", ""},
        {"state number, typed U", kStateNumber, "12U3", "12  U3     ", ""},
        {"reg number, part", kRegNumber, "uЮU", padded("uЮ", 11), "U"},
        {"reg number, all", kRegNumber, "UA12U12345B", "UA12U12345B", ""},
        {"code 8, part", kCode8, "1ф234", "1234    ", "ф"},
        {"code 8, all", kCode8, "123456789", "12345678", "9"},
        {"code 10, part", kCode10, "q1", padded("1", 10), "q"},
        {"code 10, all", kCode10, "1234567890", "1234567890", ""},
        {"phone, part", kPhone, "2-3", "23      ", "-"},
        {"phone, all", kPhone, "12345678", "12345678", ""},
        {"month-year, part", kMonthYear, "1z3", "13.  ", "z"},
        {"month-year, all", kMonthYear, "1205", "12.05", ""},
        {"one digit, all", kOneDigit, "x7", "7", "x"},
        {"two digits right, part", kTwoDigitsRight, "5", " 5", ""},
        {"two digits right, all", kTwoDigitsRight, "12", "12", ""},
        {"count, part", kCount, "1к2", "  12", "к"},
        {"count, all", kCount, "1234", "1234", ""},
        {"stage number, part", kStage, "N9", "9 ", "N"},
        {"stage number, all", kStage, "19", "19", ""},
        {"patents, part", kPatents, "4.2", padded("42", 13), "."},
        {"patents, all", kPatents, "1234567890123", "1234567890123", ""},
        {"pages, part", kPages, "s123", "123   ", "s"},
        {"pages, all", kPages, "123456", "123456", ""},
        {"city, upper-cased", kCity, "київ", padded("КИЇВ", 29), ""},
        {"city, blank inside", kCity, "Кривий Ріг", padded("КРИВИЙ РІГ", 29), ""},
        {"city, no letter in a letter position", kCity, "N.Y", padded("NY", 29), "."},
        {"city, backslash and foreign letter", kCity, QString::fromUtf8("Льв\\іäв"),
         padded("ЛЬВІВ", 29), QString::fromUtf8("\\ä")},
    });
}

void EditMaskTest::typing()
{
    QFETCH(QString, mask);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, refused);

    const EditMask parsed(mask);
    QString refusedKeys;
    const EditMask::Edit edit = typeInto(parsed, keys, &refusedKeys);
    QCOMPARE(parsed.readBack(edit.state), text);
    QCOMPARE(refusedKeys, refused);
    // What the user typed survives the program putting the text back.
    QCOMPARE(parsed.readBack(parsed.place(parsed.readBack(edit.state))), text);
}

void EditMaskTest::programText_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("assigned");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unused");

    addRows({
        {"date as written", kDate, "12.  .05", "12.  .05"},
        {"date trimmed", kDate, "12.03.", "12.03.  "},
        {"date trimmed empty", kDate, ".  .", "  .  .  "},
        {"date without points", kDate, "120305", "12.03.05"},
        {"date short parts", kDate, "1.3.05", "1 .3 .05"},
        {"date too long", kDate, "12.03.2005", "12.03.20"},
        {"date from a damaged file", kDate, "ab.cd.ef", "ab.cd.ef"},
        {"date as shown", kDate, "12.__.__", "12.  .  "},
        {"date no blank", kDateNoBlank, "01.01.99", "01.01.99"},
        {"date spaced trimmed", kDateSpaced, "1.  .", "1 .  .  "},
        {"rubric", kRubric, "12.34.56", "12.34.56"},
        {"state number as written", kStateNumber, "1234U567890", "1234U567890"},
        {"state number trimmed empty", kStateNumber, "U", "    U      "},
        {"state number without U", kStateNumber, "1234567890", "1234U567890"},
        {"state number trimmed", kStateNumber, "34U56", "34  U56    "},
        {"reg number, lower u kept", kRegNumber, "u", padded("u", 11)},
        {"code 8 from 10 digits", kCode8, "1234567890", "12345678"},
        {"code 10 from 8 digits", kCode10, "12345678", "12345678  "},
        {"phone trimmed", kPhone, "1234", "1234    "},
        {"month-year trimmed empty", kMonthYear, ".", "  .  "},
        {"one digit", kOneDigit, "5", "5"},
        {"two digits right, short", kTwoDigitsRight, "5", " 5"},
        {"count left-aligned", kCount, "12  ", "  12"},
        {"count too long", kCount, "12345", "1234"},
        {"stage number", kStage, "3", "3 "},
        {"patents", kPatents, "7", padded("7", 13)},
        {"pages", kPages, "120", "120   "},
        {"city", kCity, "київ", padded("КИЇВ", 29)},
        {"city too long", kCity, QString(31, QChar(0x0416)), QString(29, QChar(0x0416))},
    });
}

void EditMaskTest::programText()
{
    QFETCH(QString, mask);
    QFETCH(QString, assigned);
    QFETCH(QString, text);

    const EditMask parsed(mask);
    const QString state = parsed.place(assigned);
    QCOMPARE(state.size(), parsed.size());
    QCOMPARE(parsed.readBack(state), text);
}

void EditMaskTest::refusedCharacters_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("character");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("accepted");

    // Position 10 of the city mask takes any character the card file can carry.
    addRows({
        {"date, literal position", kDate, ".", "2", "no"},
        {"date, digit of another script", kDate, QString(QChar(0x0663)), "0", "no"},
        {"date, backslash", kDateNoBlank, "\\", "1", "no"},
        {"reg number, backslash", kRegNumber, "\\", "0", "no"},
        {"reg number, space", kRegNumber, " ", "0", "no"},
        {"city, any", kCity, "-", "10", "yes"},
        {"city, euro sign in code page", kCity, QString(QChar(0x20AC)), "10", "yes"},
        {"city, backslash", kCity, "\\", "10", "no"},
        {"city, outside code page", kCity, QString(QChar(0x00E4)), "10", "no"},
        {"city, control", kCity, "\t", "10", "no"},
        {"out of range", kCode8, "1", "8", "no"},
    });
}

void EditMaskTest::refusedCharacters()
{
    QFETCH(QString, mask);
    QFETCH(QString, character);
    QFETCH(QString, position);
    QFETCH(QString, accepted);

    const EditMask parsed(mask);
    QCOMPARE(parsed.accept(position.toInt(), character.at(0)).has_value(),
             accepted == QLatin1String("yes"));
}

void EditMaskTest::paste_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("text"); // empty: refused

    addRows({
        {"date as written", kDate, "", "12.03.05", "12.03.05"},
        {"date digits", kDate, "", "120305", "12.03.05"},
        {"date over a value", kDate, "01.01.01", "12", "12.01.01"},
        {"date, backslash", kDate, "", "12\\03", ""},
        {"date, letter", kDate, "", "12.O3", ""},
        {"code 8, ten digits", kCode8, "", "1234567890", ""},
        {"code 8, trailing blanks", kCode8, "", "12345678  ", "12345678"},
        {"state number", kStateNumber, "", "1234U567890", "1234U567890"},
        {"reg number, blank at required", kRegNumber, "", "U 12", ""},
        {"city", kCity, "", "київ", padded("КИЇВ", 29)},
        {"city, outside code page", kCity, "", QString::fromUtf8("Kä"), ""},
    });
}

void EditMaskTest::paste()
{
    QFETCH(QString, mask);
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, text);

    const EditMask parsed(mask);
    const std::optional<EditMask::Edit> edit =
        parsed.paste(parsed.place(before), parsed.firstOpen(), pasted);
    QCOMPARE(edit.has_value(), !text.isEmpty());
    if (edit)
        QCOMPARE(parsed.readBack(edit->state), text);
}

void EditMaskTest::requiredPositions()
{
    const EditMask regNumber(kRegNumber);
    QString refused;
    QVERIFY(regNumber.isComplete(regNumber.place(QStringLiteral("UA12U12345B"))));
    // Optional digit positions may stay blank; the four "A" positions may not.
    QVERIFY(regNumber.isComplete(regNumber.place(QStringLiteral("UA  U     B"))));
    QVERIFY(!regNumber.isComplete(regNumber.place(QStringLiteral("UA12U12345"))));
    QVERIFY(!regNumber.isComplete(typeInto(regNumber, QStringLiteral("U1"), &refused).state));
    QVERIFY(!regNumber.isComplete(regNumber.emptyState()));
    QVERIFY(regNumber.isBlank(regNumber.emptyState()));
    // A blank cannot be typed into a required position, but can into an optional one.
    QVERIFY(!regNumber.type(regNumber.emptyState(), 0, QLatin1Char(' ')));
    QCOMPARE(regNumber.type(regNumber.place(QStringLiteral("UA12")), 2, QLatin1Char(' '))->state,
             regNumber.place(QStringLiteral("UA 2")));

    const EditMask city(kCity);
    QVERIFY(!city.isComplete(typeInto(city, QStringLiteral("Ки"), &refused).state));
    QVERIFY(city.isComplete(typeInto(city, QStringLiteral("Рим"), &refused).state));

    const EditMask required(QStringLiteral("00-CC;1;_"));
    QVERIFY(!required.isComplete(required.place(QStringLiteral("12-x"))));
    QVERIFY(required.isComplete(required.place(QStringLiteral("12-xy"))));

    for (const QString &digits : {kDate, kCode8, kCount, kCity}) {
        const EditMask optional(digits);
        QCOMPARE(optional.isComplete(optional.emptyState()), digits != kCity);
    }
}

void EditMaskTest::caseChangeAndEscapes()
{
    QString refused;
    const EditMask lower(QStringLiteral("<LL>LL<>LL;1;_"));
    QCOMPARE(lower.readBack(typeInto(lower, QStringLiteral("AbcDeF"), &refused).state),
             QStringLiteral("abCDeF"));

    const EditMask escaped(QStringLiteral("\\9\\L99\\;;1;*"));
    QCOMPARE(escaped.emptyText(), QStringLiteral("9L  ;"));
    QCOMPARE(escaped.display(escaped.emptyState()), QStringLiteral("9L**;"));
    QCOMPARE(escaped.readBack(typeInto(escaped, QStringLiteral("12"), &refused).state),
             QStringLiteral("9L12;"));

    const EditMask dropped(QStringLiteral("99-99;0;_"));
    QCOMPARE(dropped.emptyText(), QStringLiteral("    "));
    QCOMPARE(dropped.display(dropped.emptyState()), QStringLiteral("__-__"));
    QCOMPARE(dropped.readBack(dropped.place(QStringLiteral("1234"))), QStringLiteral("1234"));
    QCOMPARE(dropped.readBack(dropped.place(QStringLiteral("12-3"))), QStringLiteral("123 "));

    const EditMask bare(QStringLiteral("99.99"));
    QVERIFY(bare.keepsLiterals());
    QCOMPARE(bare.blank(), QLatin1Char('_'));
    QCOMPARE(EditMask(kDateNoBlank).blank(), QLatin1Char('_'));
    QCOMPARE(EditMask(kPhone).blank(), QLatin1Char(' '));
    QVERIFY(EditMask(kCount).alignsRight());
    QVERIFY(!EditMask(kDate).alignsRight());

    const EditMask regNumber(kRegNumber);
    QCOMPARE(regNumber.at(0).kind, EditMask::Kind::LetterOrDigit);
    QVERIFY(regNumber.at(0).required);
    QCOMPARE(regNumber.at(2).kind, EditMask::Kind::Digit);
    QVERIFY(!regNumber.at(2).required);
    const EditMask city(kCity);
    QCOMPARE(city.size(), 29);
    QCOMPARE(city.at(2).kind, EditMask::Kind::Letter);
    QVERIFY(city.at(2).required);
    QVERIFY(!city.at(3).required);
    QCOMPARE(city.at(28).kind, EditMask::Kind::Any);
    QCOMPARE(city.at(28).letterCase, EditMask::Case::Upper);
}

void EditMaskTest::cursorMovesPastLiterals()
{
    const EditMask date(kDate);
    QString refused;
    QCOMPARE(typeInto(date, QStringLiteral("12"), &refused).cursor, 3);
    QCOMPARE(typeInto(date, QStringLiteral("120305"), &refused).cursor, 8);
    QCOMPARE(date.previousOpen(3), 1);
    QCOMPARE(date.nextOpen(2), 3);
    QCOMPARE(date.previousOpen(0), -1);
    // Typing the point in front of the literal moves on to the month.
    QCOMPARE(date.type(date.emptyState(), 2, QLatin1Char('.'))->cursor, 3);
    // Past the last position nothing more is taken.
    QVERIFY(!date.type(date.place(QStringLiteral("12.03.05")), 8, QLatin1Char('1')));
    QCOMPARE(date.readBack(date.cleared(date.place(QStringLiteral("12.03.05")), 1, 4)),
             QStringLiteral("1 . 3.05"));
}

void EditMaskTest::noMask()
{
    const EditMask none{QString()};
    QVERIFY(none.isEmpty());
    const QString longText(300, QLatin1Char('x'));
    QCOMPARE(none.place(longText), longText);
    QCOMPARE(none.readBack(QStringLiteral(" a ")), QStringLiteral(" a "));
    QCOMPARE(none.type(QStringLiteral("ac"), 1, QLatin1Char('b'))->state, QStringLiteral("abc"));
    QVERIFY(!none.type(QString(), 0, QLatin1Char('\\')));
    QVERIFY(!none.paste(QString(), 0, QString(QChar(0x00E4))));
    QCOMPARE(none.cleared(QStringLiteral("abcd"), 1, 3), QStringLiteral("ad"));
}

QTEST_GUILESS_MAIN(EditMaskTest)
#include "editmask_test.moc"
