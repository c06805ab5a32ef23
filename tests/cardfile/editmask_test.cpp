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
    QTest::addColumn<bool>("keepsLiterals");

    QTest::newRow("date") << kDate << "  .  .  "
                          << "__.__.__" << true;
    // An empty blank field shows the default blank, like the "_" masks.
    QTest::newRow("date, blank field empty") << kDateNoBlank << "  .  .  "
                                             << "__.__.__" << true;
    QTest::newRow("date, blank space") << kDateSpaced << "  .  .  "
                                       << "  .  .  " << true;
    QTest::newRow("rubric") << kRubric << "  .  .  "
                            << "  .  .  " << true;
    QTest::newRow("state number") << kStateNumber << "    U      "
                                  << "____U______" << true;
    QTest::newRow("registration number") << kRegNumber << blanks(11) << QString(11, '_') << true;
    QTest::newRow("organisation code") << kCode8 << blanks(8) << QString(8, '_') << true;
    QTest::newRow("tax number") << kCode10 << blanks(10) << QString(10, '_') << true;
    QTest::newRow("phone") << kPhone << blanks(8) << blanks(8) << true;
    QTest::newRow("month-year") << kMonthYear << "  .  "
                                << "__.__" << true;
    QTest::newRow("one digit") << kOneDigit << " "
                               << " " << true;
    QTest::newRow("two digits right") << kTwoDigitsRight << "  "
                                      << "  " << true;
    QTest::newRow("count") << kCount << "    "
                           << "    " << true;
    QTest::newRow("stage number") << kStage << "  "
                                  << "__" << true;
    QTest::newRow("patents") << kPatents << blanks(13) << blanks(13) << true;
    QTest::newRow("pages") << kPages << blanks(6) << blanks(6) << true;
    QTest::newRow("city") << kCity << blanks(29) << blanks(29) << false;
}

void EditMaskTest::emptyPattern()
{
    QFETCH(QString, mask);
    QFETCH(QString, empty);
    QFETCH(QString, shown);
    QFETCH(bool, keepsLiterals);

    const EditMask parsed(mask);
    QCOMPARE(parsed.written(), mask);
    QCOMPARE(parsed.keepsLiterals(), keepsLiterals);
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

    QTest::newRow("date, part") << kDate << "1203"
                                << "12.03.  "
                                << "";
    QTest::newRow("date, all") << kDate << "120305"
                               << "12.03.05"
                               << "";
    QTest::newRow("date, typed points") << kDate << "1.3.05"
                                        << "1 .3 .05"
                                        << "";
    QTest::newRow("date, letter refused") << kDate << "12a0"
                                          << "12.0 .  "
                                          << "a";
    QTest::newRow("date, too many") << kDate << "1203051"
                                    << "12.03.05"
                                    << "1";
    QTest::newRow("date no blank, all") << kDateNoBlank << "310205"
                                        << "31.02.05"
                                        << "";
    QTest::newRow("date no blank, letter") << kDateNoBlank << "Я1"
                                           << "1 .  .  "
                                           << "Я";
    QTest::newRow("date spaced, part") << kDateSpaced << "0101"
                                       << "01.01.  "
                                       << "";
    QTest::newRow("rubric, all") << kRubric << "123456"
                                 << "12.34.56"
                                 << "";
    QTest::newRow("rubric, part right-aligned") << kRubric << "12345"
                                                << " 1.23.45"
                                                << "";
    QTest::newRow("rubric, letter") << kRubric << "1x2"
                                    << "  .  .12"
                                    << "x";
    QTest::newRow("state number, part") << kStateNumber << "12345"
                                        << "1234U5     "
                                        << "";
    QTest::newRow("state number, all") << kStateNumber << "1234567890"
                                       << "1234U567890"
                                       << "";
    QTest::newRow("state number, typed U") << kStateNumber << "12U3"
                                           << "12  U3     "
                                           << "";
    QTest::newRow("state number, letter") << kStateNumber << "1b"
                                          << "1   U      "
                                          << "b";
    QTest::newRow("reg number, part") << kRegNumber << "U1" << padded("U1", 11) << "";
    QTest::newRow("reg number, all") << kRegNumber << "UA12U12345B"
                                     << "UA12U12345B"
                                     << "";
    QTest::newRow("reg number, letter in digit") << kRegNumber << "U1U" << padded("U1", 11) << "U";
    QTest::newRow("reg number, no case change") << kRegNumber << "uЮ" << padded("uЮ", 11) << "";
    QTest::newRow("code 8, part") << kCode8 << "1234"
                                  << "1234    "
                                  << "";
    QTest::newRow("code 8, all and more") << kCode8 << "123456789"
                                          << "12345678"
                                          << "9";
    QTest::newRow("code 8, letter") << kCode8 << "1ф2"
                                    << "12      "
                                    << "ф";
    QTest::newRow("code 10, all") << kCode10 << "1234567890"
                                  << "1234567890"
                                  << "";
    QTest::newRow("code 10, letter") << kCode10 << "q" << blanks(10) << "q";
    QTest::newRow("phone, all") << kPhone << "12345678"
                                << "12345678"
                                << "";
    QTest::newRow("phone, part") << kPhone << "2-3"
                                 << "23      "
                                 << "-";
    QTest::newRow("month-year, all") << kMonthYear << "1205"
                                     << "12.05"
                                     << "";
    QTest::newRow("month-year, part") << kMonthYear << "13"
                                      << "13.  "
                                      << "";
    QTest::newRow("one digit") << kOneDigit << "7"
                               << "7"
                               << "";
    QTest::newRow("one digit, letter") << kOneDigit << "x"
                                       << " "
                                       << "x";
    QTest::newRow("two digits right, part") << kTwoDigitsRight << "5"
                                            << " 5"
                                            << "";
    QTest::newRow("two digits right, all") << kTwoDigitsRight << "12"
                                           << "12"
                                           << "";
    QTest::newRow("count, part") << kCount << "12"
                                 << "  12"
                                 << "";
    QTest::newRow("count, all") << kCount << "1234"
                                << "1234"
                                << "";
    QTest::newRow("count, letter") << kCount << "1к"
                                   << "   1"
                                   << "к";
    QTest::newRow("stage number") << kStage << "9"
                                  << "9 "
                                  << "";
    QTest::newRow("stage number, letter") << kStage << "N"
                                          << "  "
                                          << "N";
    QTest::newRow("patents, all") << kPatents << "1234567890123"
                                  << "1234567890123"
                                  << "";
    QTest::newRow("patents, part") << kPatents << "42" << padded("42", 13) << "";
    QTest::newRow("pages, part") << kPages << "123"
                                 << "123   "
                                 << "";
    QTest::newRow("pages, letter") << kPages << "s1"
                                   << "1     "
                                   << "s";
    QTest::newRow("city, upper-cased") << kCity << "київ" << padded("КИЇВ", 29) << "";
    QTest::newRow("city, blank inside") << kCity << "Кривий Ріг" << padded("КРИВИЙ РІГ", 29) << "";
    QTest::newRow("city, no letter in a letter position")
        << kCity << "N.Y" << padded("NY", 29) << ".";
    QTest::newRow("city, backslash and foreign letter")
        << kCity << QString::fromUtf8("Льв\\іäв") << padded("ЛЬВІВ", 29)
        << QString::fromUtf8("\\ä");
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

    QTest::newRow("date as written") << kDate << "12.03.05"
                                     << "12.03.05";
    QTest::newRow("date, partial as written") << kDate << "12.  .05"
                                              << "12.  .05";
    QTest::newRow("date trimmed") << kDate << "12.03."
                                  << "12.03.  ";
    QTest::newRow("date trimmed empty") << kDate << ".  ."
                                        << "  .  .  ";
    QTest::newRow("date without points") << kDate << "120305"
                                         << "12.03.05";
    QTest::newRow("date short parts") << kDate << "1.3.05"
                                      << "1 .3 .05";
    QTest::newRow("date too long") << kDate << "12.03.2005"
                                   << "12.03.20";
    QTest::newRow("date from a damaged file") << kDate << "ab.cd.ef"
                                              << "ab.cd.ef";
    QTest::newRow("date as shown") << kDate << "12.__.__"
                                   << "12.  .  ";
    QTest::newRow("date no blank") << kDateNoBlank << "01.01.99"
                                   << "01.01.99";
    QTest::newRow("date spaced trimmed") << kDateSpaced << "1.  ."
                                         << "1 .  .  ";
    QTest::newRow("rubric as written") << kRubric << "12.34.56"
                                       << "12.34.56";
    QTest::newRow("rubric empty") << kRubric << "  .  .  "
                                  << "  .  .  ";
    QTest::newRow("state number as written") << kStateNumber << "1234U567890"
                                             << "1234U567890";
    QTest::newRow("state number empty") << kStateNumber << "    U      "
                                        << "    U      ";
    QTest::newRow("state number trimmed empty") << kStateNumber << "U"
                                                << "    U      ";
    QTest::newRow("state number without U") << kStateNumber << "1234567890"
                                            << "1234U567890";
    QTest::newRow("state number trimmed") << kStateNumber << "34U56"
                                          << "34  U56    ";
    QTest::newRow("reg number") << kRegNumber << "UA12U12345B"
                                << "UA12U12345B";
    QTest::newRow("reg number, lower u kept") << kRegNumber << "u" << padded("u", 11);
    QTest::newRow("code 8 from 10 digits") << kCode8 << "1234567890"
                                           << "12345678";
    QTest::newRow("code 10 from 8 digits") << kCode10 << "12345678"
                                           << "12345678  ";
    QTest::newRow("phone trimmed") << kPhone << "1234"
                                   << "1234    ";
    QTest::newRow("month-year") << kMonthYear << "12.05"
                                << "12.05";
    QTest::newRow("month-year trimmed empty") << kMonthYear << "."
                                              << "  .  ";
    QTest::newRow("one digit") << kOneDigit << "5"
                               << "5";
    QTest::newRow("two digits right, short") << kTwoDigitsRight << "5"
                                             << " 5";
    QTest::newRow("count short") << kCount << "12"
                                 << "  12";
    QTest::newRow("count as written") << kCount << "  12"
                                      << "  12";
    QTest::newRow("count left-aligned") << kCount << "12  "
                                        << "  12";
    QTest::newRow("count too long") << kCount << "12345"
                                    << "1234";
    QTest::newRow("stage number") << kStage << "3"
                                  << "3 ";
    QTest::newRow("patents") << kPatents << "7" << padded("7", 13);
    QTest::newRow("pages") << kPages << "120"
                           << "120   ";
    QTest::newRow("city") << kCity << "київ" << padded("КИЇВ", 29);
    QTest::newRow("city too long")
        << kCity << QString(31, QChar(0x0416)) << QString(29, QChar(0x0416));
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
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("character");
    QTest::addColumn<bool>("accepted");

    const QString backslash = QStringLiteral("\\");
    const QString aUmlaut = QString(QChar(0x00E4));
    const QString arabicThree = QString(QChar(0x0663));
    QTest::newRow("date, letter") << kDate << 0 << "a" << false;
    QTest::newRow("date, digit") << kDate << 0 << "7" << true;
    QTest::newRow("date, literal position") << kDate << 2 << "." << false;
    QTest::newRow("date, other script digit") << kDate << 0 << arabicThree << false;
    QTest::newRow("date, backslash") << kDateNoBlank << 1 << backslash << false;
    QTest::newRow("state number, letter") << kStateNumber << 5 << "U" << false;
    QTest::newRow("reg number, letter") << kRegNumber << 0 << "Ж" << true;
    QTest::newRow("reg number, letter in digit") << kRegNumber << 2 << "Ж" << false;
    QTest::newRow("reg number, backslash") << kRegNumber << 0 << backslash << false;
    QTest::newRow("reg number, space") << kRegNumber << 0 << " " << false;
    QTest::newRow("code, letter") << kCode8 << 3 << "x" << false;
    QTest::newRow("count, letter") << kCount << 0 << "x" << false;
    QTest::newRow("city, digit in letter") << kCity << 0 << "1" << false;
    QTest::newRow("city, any") << kCity << 10 << "-" << true;
    QTest::newRow("city, euro sign in code page") << kCity << 10 << QString(QChar(0x20AC)) << true;
    QTest::newRow("city, backslash") << kCity << 10 << backslash << false;
    QTest::newRow("city, outside code page") << kCity << 10 << aUmlaut << false;
    QTest::newRow("city, control") << kCity << 10 << "\t" << false;
    QTest::newRow("out of range") << kCode8 << 8 << "1" << false;
}

void EditMaskTest::refusedCharacters()
{
    QFETCH(QString, mask);
    QFETCH(int, position);
    QFETCH(QString, character);
    QFETCH(bool, accepted);

    const EditMask parsed(mask);
    QCOMPARE(parsed.accept(position, character.at(0)).has_value(), accepted);
}

void EditMaskTest::paste_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("text"); // empty: refused

    QTest::newRow("date as written") << kDate << "" << 0 << "12.03.05"
                                     << "12.03.05";
    QTest::newRow("date digits") << kDate << "" << 0 << "120305"
                                 << "12.03.05";
    QTest::newRow("date at the month") << kDate << "01.01.01" << 3 << "12"
                                       << "01.12.01";
    QTest::newRow("date, backslash") << kDate << "" << 0 << "12\\03"
                                     << "";
    QTest::newRow("date, letter") << kDate << "" << 0 << "12.O3"
                                  << "";
    QTest::newRow("code 8, ten digits") << kCode8 << "" << 0 << "1234567890"
                                        << "";
    QTest::newRow("code 8, trailing blanks") << kCode8 << "" << 0 << "12345678  "
                                             << "12345678";
    QTest::newRow("state number") << kStateNumber << "" << 0 << "1234U567890"
                                  << "1234U567890";
    QTest::newRow("reg number, blank at required") << kRegNumber << "" << 0 << "U 12"
                                                   << "";
    QTest::newRow("city") << kCity << "" << 0 << "київ" << padded("КИЇВ", 29);
    QTest::newRow("city, outside code page") << kCity << "" << 0 << QString::fromUtf8("Kä") << "";
}

void EditMaskTest::paste()
{
    QFETCH(QString, mask);
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, text);

    const EditMask parsed(mask);
    const QString state = parsed.place(before);
    const std::optional<EditMask::Edit> edit = parsed.paste(state, cursor, pasted);
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
