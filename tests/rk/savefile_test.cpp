#include "rk/frmrk1.h"
#include "rk/support/rkfiles.h"
#include "rk/support/rkwindow.h"

#include "frame/cardeditor.h"

#include <QAction>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
using Group = RkCardData::Group;
}

class SaveFileTest : public QObject
{
    Q_OBJECT

private slots:
    void newCardSavedAtOnce()
    {
        RkWindow rk;
        rk.type(u"ed7020"_s, u"x"_s);
        rk.erase(u"ed7020"_s);
        QVERIFY(rk.window()->isModified());
        QCOMPARE(rk.save(), cardBytes(newCardLines()));
        QVERIFY(!rk.window()->isModified());

        const auto &shown = rk.dialogs().shown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().filter, u"Текстовые файлы|*.txt"_s);
        QCOMPARE(shown.first().defaultSuffix, u"txt"_s);
        QCOMPARE(shown.first().initialName, u"RK"_s);
        rk.save();
        QCOMPARE(rk.dialogs().shown().last().initialName, rk.path(u"saved.txt"_s));
    }

    void fullCardRoundTrip()
    {
        RkWindow rk;
        const QByteArray full = cardBytes(fullCardLines());
        rk.open(full, u"full.txt"_s);
        QCOMPARE(rk.messages(), QStringList());
        QCOMPARE(rk.dialogs().shown().first().filter, u"Все файлы|*.*"_s);
        QCOMPARE(rk.window()->windowTitle(), u"Реєстраційна картка - "_s + rk.path(u"full.txt"_s));
        QVERIFY(!rk.action(u"N6"_s)->isEnabled());
        QCOMPARE(rk.window()->findChild<QTabWidget *>(u"PageControl"_s)->currentIndex(), 0);
        QCOMPARE(rk.text(u"Edit1"_s), u"5"_s);
        QCOMPARE(rk.text(u"cpn"_s), u"20"_s);
        QCOMPARE(rk.text(u"ed9036n"_s), u"15"_s);
        QCOMPARE(rk.window()->logic().currentNumber(Group::Stages), 15);
        QCOMPARE(rk.text(u"mm2151"_s),
                 u"Інститут фізики напівпровідників імені В. Є. Лашкарьова"_s);
        QCOMPARE(rk.text(u"DREG"_s), u"20.03.2005"_s);
        QCOMPARE(rk.save(), full);
    }

    void olderLayoutsAndOverflow()
    {
        RkWindow rk;
        rk.open(cardBytes({u"5013\\01"_s,
                           u"5256\\5"_s,
                           u"2754\\Харків"_s,
                           u"2655\\вул. Сумська, 2"_s,
                           u"2458\\1\\12345678"_s,
                           u"2152\\ТОВ «Замовник»"_s,
                           u"2656\\Полтава\\вул. Соборна, 3"_s,
                           u"7705\\дол.\\1"_s,
                           u"7713\\тис.грн.\\2"_s,
                           u"7706\\євро\\3"_s,
                           u"7704\\DM\\4"_s,
                           u"2142\\1\\87654321\\Суми\\Співвиконавець\\вул. Липова, 4"_s,
                           u"5616\\01.01.01"_s,
                           u"5616\\02.02.02"_s,
                           u"5616\\03.03.03"_s,
                           u"5616\\04.04.04"_s,
                           u"5616\\05.05.05"_s,
                           u"5616\\06.06.06"_s,
                           u"5616\\07.07.07"_s,
                           u"6120\\Петренко П.П."_s}));
        QCOMPARE(rk.messages(), QStringList());
        QCOMPARE(rk.text(u"gorv"_s), u"Харків"_s);
        QCOMPARE(rk.text(u"mm2655"_s), u"вул. Сумська, 2"_s);
        QCOMPARE(rk.text(u"ed6120"_s), u"Петренко П.П."_s);
        QCOMPARE(rk.text(u"ed56166"_s), u"06.06.06"_s);
        const QByteArray saved = rk.save();
        QVERIFY2(saved.contains(lineBytes({u"2655\\Харків\\вул. Сумська, 2"_s})),
                 saved.constData());
        QVERIFY(saved.contains(lineBytes({
            u"1332\\"_s,
            u"2458\\1\\1\\12345678\\Полтава\\ТОВ «Замовник»\\вул. Соборна, 3"_s,
            u"7705\\дол.\\1"_s,
            u"7713\\тис.грн.\\2"_s,
            u"7706\\євро\\3"_s,
            u"7353\\  .  "_s,
        })));
        QVERIFY(saved.contains(
            lineBytes({u"9153\\"_s, u"2142\\1\\\\87654321\\Суми\\Співвиконавець\\вул. Липова, 4"_s,
                       u"5634\\"_s, u"5616\\01.01.01"_s})));
        QVERIFY(saved.contains(lineBytes({u"5616\\06.06.06"_s, u"6111\\"_s})));
        QVERIFY(saved.contains(lineBytes({u"6120\\1\\Петренко П.П."_s, u"6120\\2\\"_s})));
    }

    // A name pasted from several lines stays on its entry's line, so that
    // the values after it come back when the card is opened again.
    void namesWithLineBreaksStayOnTheirLines()
    {
        RkWindow rk;
        rk.fillRequiredCodes();
        rk.focus(u"Edit1"_s);
        rk.fill(u"mm2152"_s, u"ТОВ\nЗамовник"_s);
        rk.focus(u"mm2152"_s);
        rk.enter(u"mm2656"_s, u"Адреса"_s);
        rk.focus(u"cpn"_s);
        rk.fill(u"cpi"_s, u"Інститут\r\nфізики"_s);
        rk.focus(u"cpi"_s);
        rk.enter(u"cpa"_s, u"Адреса 2"_s);
        const QByteArray saved = rk.save();
        QVERIFY2(saved.contains(lineBytes({u"2458\\1\\1\\        \\\\ТОВ Замовник\\Адреса"_s})),
                 saved.constData());
        QVERIFY(
            saved.contains(lineBytes({u"2142\\1\\1\\        \\\\Інститут фізики\\Адреса 2"_s})));

        rk.open(saved);
        QCOMPARE(rk.text(u"mm2656"_s), u"Адреса"_s);
        QCOMPARE(rk.text(u"cpa"_s), u"Адреса 2"_s);
        QCOMPARE(rk.save(), saved);
    }

    void readingStopsOnANumberThatIsNotANumber()
    {
        RkWindow rk;
        // A long value is quoted by its first 60 characters.
        const QString number = u"А"_s + QString(99, u'я');
        rk.open(cardBytes({u"5013\\01"_s, u"5256\\4"_s,
                           u"2458\\%1\\1\\12345678\\\\Назва\\"_s.arg(number), u"7146\\07"_s}));
        QCOMPARE(rk.messages(),
                 QStringList{u"Картку прочитано не до кінця: у рядку 3 (код 2458) стоїть «%1…» "
                             "там, де має бути ціле число. Те, що прочитано до цього рядка, "
                             "залишилося в картці."_s.arg(number.left(60))});
        QCOMPARE(rk.text(u"ed5256"_s), u"4"_s);
        QCOMPARE(rk.text(u"ed7146"_s), QString());
        rk.dialogs().queueOpenName(QString()); // the dialog cancelled
        QVERIFY(!rk.window()->open());
    }

    void aRegistrationCardNamedLikeAnAccountingCard()
    {
        RkWindow rk;
        rk.open(cardBytes({u"5013\\01"_s, u"5256\\1"_s}), u"OK-2005.txt"_s);
        QCOMPARE(rk.messages(),
                 QStringList{u"Зверніть увагу Ви відкрили облікову картку !    OK-2005.txt"_s});
        QCOMPARE(rk.text(u"ed5256"_s), u"1"_s);
        rk.forgetMessages();
        rk.open(cardBytes({u"5013\\01"_s}), u"Ok-2005.txt"_s);
        QCOMPARE(rk.messages(), QStringList());
        // Opening cleared the card first.
        QCOMPARE(rk.text(u"ed5256"_s), QString());
        QCOMPARE(rk.text(u"DREG"_s),
                 QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    }

    void newCardOpensAFreshEditor()
    {
        RkWindow rk;
        QList<CardKind> opened;
        setEditorOpener([&opened](CardKind kind) { opened.append(kind); });
        rk.trigger(u"N3"_s);
        QTRY_VERIFY(!rk.window());
        QCOMPARE(opened, QList<CardKind>{CardKind::RK});
        QCOMPARE(rk.messages(), QStringList());
        setEditorOpener({});
    }

    void aFailedSaveKeepsTheOldFileAndTheFlag()
    {
        RkWindow rk;
        rk.type(u"ed7020"_s, u"x"_s);
        const QString missing = rk.path(u"no/such/folder/card.txt"_s);
        rk.dialogs().queueSaveName(missing);
        rk.click(u"BitBtn1"_s);
        rk.trigger(u"N6"_s);
        QCOMPARE(rk.messages().size(), 1);
        QVERIFY(rk.window()->isModified());
        QVERIFY(!QFile::exists(missing));
    }

    void unsavedChangesQuestion()
    {
        RkWindow rk;
        rk.type(u"ed7020"_s, u"x"_s);
        // Yes, then the save dialog cancelled: asked again; then Cancel.
        rk.dialogs().queueAnswer(Dialogs::Answer::Yes);
        rk.dialogs().queueSaveName(QString());
        rk.dialogs().queueAnswer(Dialogs::Answer::Cancel);
        QVERIFY(!rk.window()->open());
        QCOMPARE(rk.messages(), QStringList(2, u"Зберегти зміни в картці?"_s));
        QCOMPARE(rk.dialogs().shown().first().caption, u"Реєстраційна карта"_s);
        QCOMPARE(rk.text(u"ed7020"_s), u"x"_s);

        // "Вихід": Cancel keeps the window, No closes it unsaved.
        rk.forgetMessages();
        rk.dialogs().queueAnswer(Dialogs::Answer::Cancel);
        rk.trigger(u"N10"_s);
        QVERIFY(rk.window() && rk.window()->isVisible());
        rk.dialogs().queueAnswer(Dialogs::Answer::No);
        rk.trigger(u"N10"_s);
        QTRY_VERIFY(!rk.window());
        QCOMPARE(rk.messages(), QStringList(2, u"Зберегти зміни в картці?"_s));
    }
};

QTEST_MAIN(SaveFileTest)
#include "savefile_test.moc"
