#include "okd/frmokd.h"
#include "okd/support/okdfiles.h"
#include "okd/support/okdwindow.h"

#include "controls/controltext.h"

#include <QDate>
#include <QLocale>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

// Saving and opening dissertation card files, compared byte for byte.
class SaveFileTest : public QObject
{
    Q_OBJECT

private:
    // `lines` with the line of `code` (piece 1) replaced by `replacement`
    // lines (or removed).
    static QStringList replaced(QStringList lines, const QString &line, const QStringList &by)
    {
        const qsizetype at = lines.indexOf(line);
        if (at < 0)
            qFatal("no line %s", qPrintable(line));
        lines.remove(at);
        for (qsizetype i = 0; i < by.size(); ++i)
            lines.insert(at + i, by[i]);
        return lines;
    }

private slots:
    void freshCardWrites73Lines()
    {
        OkdWindow okd;
        const QByteArray saved = okd.save();
        QCOMPARE(okdNewCardLines().size(), 73);
        QCOMPARE(saved, cardBytes(okdNewCardLines()));
        QVERIFY(!okd.window()->isModified());
        QCOMPARE(okd.dialogs().shown().constFirst().initialName, u"OKD"_s);
    }

    void fullCardRoundTrip()
    {
        OkdWindow okd;
        okd.open(cardBytes(okdFullCardLines()));
        QVERIFY2(okd.messages().isEmpty(), qPrintable(okd.messages().join(u'|')));
        QCOMPARE(okd.window()->windowTitle(),
                 u"Облікова картка дисертації - "_s + okd.path(u"card.txt"_s));
        QCOMPARE(okd.window()->findChild<QTabWidget *>(u"pc1"_s)->currentIndex(), 0);
        for (const QString &group : {u"RadioGroup1"_s, u"RadioGroup2"_s, u"indjzd"_s, u"indjzk"_s})
            QCOMPARE(okd.itemIndex(group), 0);
        QCOMPARE(okd.text(u"ed6147"_s), u"Петренко Петро Петрович"_s);
        QCOMPARE(okd.text(u"ed6156f3"_s), u"Коваленко Анна"_s);
        QCOMPARE(okd.text(u"mm9045"_s), u"Методи обробки даних у розподілених системах"_s);
        QCOMPARE(okd.text(u"ed7452"_s), u"Д 26.001.09"_s);
        QCOMPARE(okd.text(u"DREG"_s), u"20.07.04"_s);
        QCOMPARE(okd.text(u"Ed6444a"_s), u"01.05.02"_s);
        QCOMPARE(okd.save(), cardBytes(okdFullCardLines()));
    }

    // A title typed over two lines goes on over a continuation line; read
    // back, the lines are joined with one blank, also when the field is the
    // last of its file.
    void multiLineTexts()
    {
        OkdWindow okd;
        okd.click(u"BitBtn4"_s);
        okd.focus(u"mm9045"_s);
        setTextOf(okd.control(u"mm9045"_s), u"Перший рядок\r\nдругий рядок"_s);
        okd.tab();
        const QByteArray saved = okd.save();
        QVERIFY(saved.contains(
            cardBytes({u"9045\\1\\Перший рядок"_s, u"другий рядок"_s, u"9045\\2\\"_s}).chopped(2)));

        QStringList lines = okdNewCardLines();
        lines = replaced(lines, u"9045\\1\\"_s, {u"9045\\1\\а"_s, u"б"_s, u"в"_s});
        lines.append(u"9118\\3\\кінець"_s);
        lines.append(u"файлу"_s);
        OkdWindow reader;
        reader.open(cardBytes(lines) + "\r\n\r\n");
        QCOMPARE(reader.window()->values().titles[0], u"а б в"_s);
        QCOMPARE(reader.window()->values().abstracts[2], u"кінець файлу"_s);
    }

    // Lines of older files and lines beyond what the card holds.
    void olderFormsAndOverflow()
    {
        QStringList lines = okdNewCardLines();
        lines = replaced(lines, u"6147\\1\\"_s, {u"6147\\ Старе Ім'я "_s});
        lines = replaced(lines, u"6156\\3\\1\\\\\\\\  .  .  \\  .  .  "_s,
                         {u"6156\\ 3 \\Третій\\к.е.н.\\доцент\\08.00.01\\08.00.02"_s});
        lines.insert(lines.indexOf(u"6480\\"_s), u"6444\\07.07.07"_s);
        lines.insert(lines.indexOf(u"6480\\"_s), u"6444\\09.09.09"_s);
        lines.insert(lines.indexOf(u"6174\\"_s), u"5616\\77.77.77"_s);
        OkdWindow okd;
        okd.open(cardBytes(lines));
        const OkdValues &values = okd.window()->values();
        QCOMPARE(values.applicantNames[0], u"Старе Ім'я"_s);
        QCOMPARE(okd.text(u"DREG"_s),
                 QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QCOMPARE(values.supervisorNames[2][0], u"Третій"_s);
        QCOMPARE(okd.text(u"ed6156ns3"_s), u"к.е.н."_s);
        QCOMPARE(okd.text(u"Ed6156h3a"_s), u"08.00.02"_s);
        // Every line takes a box, a blank one too; lines beyond the boxes are
        // ignored.
        QCOMPARE(okd.text(u"ed6444"_s), u"  .  .  "_s);
        QCOMPARE(okd.text(u"Ed6444a"_s), u"07.07.07"_s);
        for (const QString &box : {u"ed5616a"_s, u"ed5616f"_s})
            QCOMPARE(okd.text(box), u"  .  .  "_s);
    }

    // Lines whose second piece is empty while a later one holds data are
    // read back as they were written.
    void emptySecondPieces()
    {
        QStringList lines = okdNewCardLines();
        lines = replaced(lines, u"5418\\\\  .  .  "_s, {u"5418\\\\01.02.03"_s});
        lines = replaced(lines, u"2781\\\\"_s, {u"2781\\\\вул. Садова, 5"_s});
        lines = replaced(lines, u"6273\\\\"_s, {u"6273\\\\професор"_s});
        OkdWindow okd;
        okd.open(cardBytes(lines));
        QCOMPARE(okd.save(), cardBytes(lines));
    }

    void piecesThatMustBeNumbers_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("value");
        QTest::newRow("6147 language") << u"6147\\x\\Ім'я"_s << u"x"_s;
        QTest::newRow("6642") << u"6642\\так"_s << u"так"_s;
        QTest::newRow("9045 language") << u"9045\\a\\Назва"_s << u"a"_s;
        QTest::newRow("6156 number") << u"6156\\b\\1\\Ім'я"_s << u"b"_s;
        QTest::newRow("6156 language") << u"6156\\1\\я\\Ім'я"_s << u"я"_s;
        QTest::newRow("6165 number") << u"6165\\п\\Ім'я"_s << u"п"_s;
    }

    // Reading stops with a message naming the line and the value; what was
    // read before stays.
    void piecesThatMustBeNumbers()
    {
        QFETCH(QString, line);
        QFETCH(QString, value);
        OkdWindow okd;
        okd.open(cardBytes({u"5256\\4"_s, line, u"7021\\після"_s}));
        QCOMPARE(okd.messages().size(), 1);
        const QString message = okd.messages().constFirst();
        QVERIFY2(message.contains(line.left(4)) && message.contains(u"«"_s + value + u"»"_s),
                 qPrintable(message));
        QCOMPARE(okd.text(u"cb5256"_s), u"4"_s);
        QCOMPARE(okd.text(u"ed7021"_s), QString());
    }

    // Language numbers outside 1..3 change nothing; the reading goes on.
    void languagesOutOfRange()
    {
        OkdWindow okd;
        okd.open(cardBytes({u"9045\\4\\Зайве"_s, u"6147\\0\\Зайве"_s, u"6156\\1\\7\\Зайве"_s,
                            u"9118\\1\\Реферат"_s, u"7021\\після"_s}));
        QVERIFY(okd.messages().isEmpty());
        const OkdValues &values = okd.window()->values();
        QCOMPARE(values.titles, (languagecheck::Texts{}));
        QCOMPARE(values.applicantNames, (languagecheck::Texts{}));
        QCOMPARE(values.supervisorNames[0], (languagecheck::Texts{}));
        QCOMPARE(values.abstracts[0], u"Реферат"_s);
        QCOMPARE(okd.text(u"ed7021"_s), u"після"_s);
    }

    // A registration card opened here fills what the two cards share; its
    // kind "01" is shown as read and written as "04".
    void registrationCardOpened()
    {
        OkdWindow okd;
        okd.open(cardBytes({u"5013\\01"_s, u"5256\\1"_s, u"5436\\0101U000001"_s,
                            u"5418\\7\\03.04.05"_s, u"2151\\1\\Виконавець"_s, u"7020\\Д-1"_s}),
                 u"RK.txt"_s);
        QVERIFY(okd.messages().isEmpty());
        QCOMPARE(okd.text(u"cb5013"_s), u"01"_s);
        QCOMPARE(okd.window()->windowTitle(),
                 u"Облікова картка дисертації - "_s + okd.path(u"RK.txt"_s));
        // The window is not touched: the kind is corrected only on writing.
        QStringList expected = okdNewCardLines();
        expected[1] = u"5256\\1"_s;
        expected[2] = u"5418\\7\\03.04.05"_s;
        expected = replaced(expected, u"7020\\"_s, {u"7020\\Д-1"_s});
        QCOMPARE(okd.window()->writeCard(), expected);
        QCOMPARE(okd.text(u"cb5013"_s), u"04"_s);
    }
};

QTEST_MAIN(SaveFileTest)
#include "savefile_test.moc"
