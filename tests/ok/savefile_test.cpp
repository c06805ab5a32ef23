#include "ok/coexecutorgroup.h"
#include "ok/frmok.h"
#include "ok/support/okfiles.h"
#include "ok/support/okwindow.h"

// The registration card files of the same work.
#include "../rk/support/rkfiles.cpp"

#include "cardfile/personkind.h"

#include <QAction>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The lines of a file without its closing empty line.
QStringList linesOf(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1251");
    QStringList lines = QString(decoder.decode(bytes)).split(u"\r\n"_s);
    lines.removeLast(); // after the closing CR LF
    if (!lines.isEmpty())
        lines.removeLast(); // the closing empty line
    return lines;
}

QString lineWithCode(const QStringList &lines, const QString &code)
{
    for (const QString &line : lines) {
        if (line.startsWith(code + u'\\'))
            return line;
    }
    return {};
}

} // namespace

class SaveFileTest : public QObject
{
    Q_OBJECT

private slots:
    void freshCard()
    {
        OkWindow ok;
        const QByteArray saved = ok.save();
        QCOMPARE(saved, cardBytes(newOkCardLines()));
        QCOMPARE(linesOf(saved).size(), 55);
        QCOMPARE(ok.dialogs().shown().first().initialName, u"OK"_s);

        ok.fill(u"lizv"_s, u"Фізична особа"_s);
        QStringList individual = newOkCardLines();
        individual.removeAll(u"2394\\\\"_s);
        individual.removeAll(u"1332\\"_s);
        individual.replace(individual.indexOf(u"2457\\1\\        "_s), u"2457\\2\\        "_s);
        QCOMPARE(ok.save(), cardBytes(individual));
        QCOMPARE(individual.size(), 53);
    }

    void fullCardRoundTrip()
    {
        OkWindow ok;
        const QByteArray full = cardBytes(fullOkCardLines());
        ok.open(full, u"full.txt"_s);
        QCOMPARE(ok.messages(), QStringList());
        QCOMPARE(ok.window()->windowTitle(), u"Облікова картка - "_s + ok.path(u"full.txt"_s));
        QCOMPARE(ok.window()->findChild<QTabWidget *>(u"PageControl"_s)->currentIndex(), 0);
        QCOMPARE(ok.text(u"mm2151"_s), u"Інститут кібернетики"_s);
        QCOMPARE(ok.text(u"ed6120"_s), u"Коваленко К.К."_s);
        QCOMPARE(ok.text(u"ed7200"_s), u"1"_s);
        QCOMPARE(ok.text(u"ed2142p"_s), u"1"_s);
        QCOMPARE(ok.text(u"ed2142k"_s), u"20000001"_s);
        QCOMPARE(ok.text(u"DREG"_s), u"20.03.2005"_s);
        QVERIFY(!ok.window()->isModified());
        const QByteArray saved = ok.save();
        QCOMPARE(linesOf(saved), linesOf(full));
        QCOMPARE(saved, full);
    }

    void olderLayoutsAndOverflow()
    {
        OkWindow ok;
        QStringList lines = {
            u"5013\\03"_s,
            u"9036\\2\\01.04\\12.05\\Старий етап"_s,
            u"2142\\3\\1234567890\\Суми\\Старий співвиконавець\\вул. Липова, 4"_s,
            u"2142\\4\\12345678\\Львів\\Юрособа\\пл. Ринок, 1"_s,
            u"2142\\5\\123\\Київ\\Незрозуміле\\"_s,
            u"6120\\Петренко П.П."_s,
            u"7326\\09;45;72;09;45;72;09;45;72;09;45;72;"_s,
            u"5526\\1111U111111;;2222U222222;"_s,
        };
        for (int rubric = 1; rubric <= 7; ++rubric)
            lines.append(u"5616\\0%1.00.00"_s.arg(rubric));
        ok.open(cardBytes(lines));
        QCOMPARE(ok.messages(), QStringList());
        QCOMPARE(ok.text(u"mm9036"_s), u"Старий етап"_s);
        QCOMPARE(ok.text(u"cb9036e"_s), QString());
        QCOMPARE(ok.text(u"ed6120"_s), u"Петренко П.П."_s);
        QCOMPARE(ok.text(u"ed5616f"_s), u"06.00.00"_s);

        const QStringList saved = linesOf(ok.save());
        QCOMPARE(lineWithCode(saved, u"9036"_s), u"9036\\2 \\01.04\\12.05\\\\Старий етап"_s);
        QCOMPARE(
            saved.filter(u"2142\\"_s),
            QStringList({u"2142\\3\\2\\1234567890\\Суми\\Старий співвиконавець\\вул. Липова, 4"_s,
                         u"2142\\4\\1\\12345678\\Львів\\Юрособа\\пл. Ринок, 1"_s}));
        QCOMPARE(saved.filter(u"5616\\"_s).size(), 6);
        QCOMPARE(saved.filter(u"6120\\1\\"_s), QStringList{u"6120\\1\\Петренко П.П."_s});
        QCOMPARE(lineWithCode(saved, u"7326"_s), u"7326\\09;45;72;09;45;72;09;45;72;09;"_s);
        QCOMPARE(lineWithCode(saved, u"5526"_s), u"5526\\1111U111111;"_s);
    }

    // Lines the program writes with an empty second piece, stage titles
    // beside an empty kind, and values out of range.
    void linesThatMustNotBeLost_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");

        QTest::newRow("letter date") << u"5418\\\\01.02.05"_s << u"ed5418D"_s << u"01.02.05"_s;
        QTest::newRow("address") << u"2655\\\\вул. Нова, 1"_s << u"mm2655"_s << u"вул. Нова, 1"_s;
        QTest::newRow("owner address") << u"2657\\\\пл. Ринок"_s << u"ed2657"_s << u"пл. Ринок"_s;
        QTest::newRow("document date") << u"5518\\\\03.04.05"_s << u"ed5518D"_s << u"03.04.05"_s;
        QTest::newRow("stage") << u"9036\\\\01.04\\12.05\\П\\Етап"_s << u"mm9036"_s << u"Етап"_s;
        QTest::newRow("title, no kind")
            << u"9036\\1\\01.04\\12.05\\\\Етап"_s << u"mm9036"_s << u"Етап"_s;
        QTest::newRow("RK report kind")
            << u"9036\\1\\01.04\\12.05\\91\\Етап"_s << u"cb9036e"_s << QString();
        QTest::newRow("final stage")
            << u"9036\\1\\01.04\\12.05\\З\\Етап"_s << u"cb9036e"_s << u"З"_s;
        QTest::newRow("e-mail only") << u"2394\\\\a@b.ua"_s << u"Edit1"_s << u"a@b.ua"_s;
        QTest::newRow("language 4") << u"2151\\4\\Назва"_s << u"mm2151"_s << QString();
        QTest::newRow("co-executor 21")
            << u"2142\\21\\1\\12345678\\М\\Н\\А"_s << u"ed2142k"_s << QString(8, u' ');
        QTest::newRow("kind 7") << u"2457\\7\\12345678"_s << u"lizv"_s << u"Юридична особа"_s;
        QTest::newRow("empty 5040") << u"5040\\"_s << u"cb5040"_s << QString();
    }

    void linesThatMustNotBeLost()
    {
        QFETCH(QString, line);
        QFETCH(QString, control);
        QFETCH(QString, text);
        OkWindow ok;
        ok.open(cardBytes({u"5013\\03"_s, line}));
        QCOMPARE(ok.messages(), QStringList());
        QCOMPARE(ok.text(control), text);
    }

    void coexecutorWithoutKindWrittenAsLegalPerson()
    {
        CoexecutorGroup group;
        group.store(5, {QString(), QString(), QString(), u"Назва"_s, QString()});
        group.store(6, {personkind::individualText, u"          "_s, QString(), QString(), u" "_s});
        group.store(21, {QString(), u"12345678"_s, QString(), QString(), QString()});
        QCOMPARE(group.fileValues(), QStringList{u"5\\1\\\\\\Назва\\"_s});
    }

    void wrongNumbersStopTheReading()
    {
        for (const QString &line :
             {u"2151\\x\\Назва"_s, u"2142\\два\\1\\12345678"_s, u"9117\\1a\\Реферат"_s}) {
            OkWindow ok;
            ok.open(cardBytes({u"5013\\03"_s, line, u"7021\\після"_s}));
            QCOMPARE(ok.messages().size(), 1);
            QVERIFY2(ok.messages().first().contains(line.left(4)),
                     qPrintable(ok.messages().first()));
            QCOMPARE(ok.text(u"ed7021"_s), QString());
        }
    }

    void registrationCardTakenOver()
    {
        OkWindow ok;
        ok.open(cardBytes(fullCardLines(2, 3, 2)), u"RK2005.txt"_s);
        QCOMPARE(ok.messages(),
                 QStringList{u"Зверніть увагу Ви відкрили реєстраційну картку !    RK2005.txt"_s});
        QCOMPARE(ok.text(u"cb5013"_s), u"01"_s);
        QVERIFY(!ok.text(u"mm2151"_s).isEmpty());
        QVERIFY(!ok.text(u"ed2142k"_s).trimmed().isEmpty());
        QCOMPARE(ok.text(u"cb9036e"_s), QString());
        QCOMPARE(ok.text(u"mm2153"_s), QString()); // the owner is not on that card

        // Written without leaving the box, which would have reset it.
        const QStringList saved = ok.window()->writeCard();
        QCOMPARE(saved.first(), u"5013\\03"_s);
        QCOMPARE(ok.text(u"cb5013"_s), u"03"_s);
        QCOMPARE(saved.filter(u"2142\\"_s).size(), 3);

        for (const QString &name : {u"Rk2005.txt"_s, u"rk.txt"_s}) {
            OkWindow other;
            other.open(cardBytes(newOkCardLines()), name);
            QCOMPARE(other.messages().size(), name.startsWith(u"rk"_s) ? 1 : 0);
        }
    }
};

QTEST_MAIN(SaveFileTest)
#include "savefile_test.moc"
