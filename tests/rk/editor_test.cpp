#include "rk/frmrk1.h"
#include "rk/rkcatalogue.h"
#include "rk/support/rkfiles.h"
#include "rk/support/rkwindow.h"

#include "controls/radiogroup.h"
#include "frame/pagebuilder.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

class EditorTest : public QObject
{
    Q_OBJECT

private slots:
    void freshWindowAndTheGate()
    {
        RkWindow rk;
        auto *pages = rk.window()->findChild<QTabWidget *>(u"PageControl"_s);
        QVERIFY(pages);
        QStringList captions;
        for (int page = 0; page < pages->count(); ++page)
            captions << pages->tabText(page);
        QCOMPARE(captions, QStringList({u"Реєстраційні дані"_s, u"Виконавець"_s,
                                        u"Замовник, фінансування"_s, u"Назва, мета, результати"_s,
                                        u"Співвиконавці, етапи"_s, u"Тематика"_s}));
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(rk.window()->windowTitle(), u"Реєстраційна карта"_s);
        QCOMPARE(rk.text(u"ed5256"_s), u"5"_s);
        QCOMPARE(rk.text(u"ed5436"_s), u"    U      "_s);
        QCOMPARE(rk.text(u"ed5418D"_s), u"  .  .  "_s);
        QCOMPARE(rk.text(u"ed7353"_s), u"  .  "_s);
        QCOMPARE(rk.text(u"ed7210"_s), QString(11, u' '));
        QCOMPARE(rk.text(u"ed2457"_s), QString(8, u' '));
        for (const QString &box : {u"lizv"_s, u"lizz"_s, u"lizsv"_s})
            QCOMPARE(rk.text(box), u"Юридична особа"_s);
        for (const QString &box : {u"Edit1"_s, u"cpn"_s, u"ed9036n"_s})
            QCOMPARE(rk.text(box), u"1"_s);
        QCOMPARE(rk.text(u"ed"_s), u"тис.грн."_s);
        QCOMPARE(rk.text(u"ed1"_s), QString());
        QVERIFY(!rk.control(u"REG"_s)->isVisibleTo(rk.window()));

        QAction *save = rk.action(u"N6"_s);
        QAction *print = rk.action(u"N8"_s);
        QVERIFY(!save->isEnabled() && !print->isEnabled());
        rk.click(u"BitBtn1"_s);
        QVERIFY(save->isEnabled() && print->isEnabled());
        QVERIFY(!rk.window()->isModified());
        rk.type(u"ed7199"_s, u"5"_s); // does not lock, but changes the card
        QVERIFY(save->isEnabled());
        QVERIFY(rk.window()->isModified());
        rk.window()->setModified(false);
        rk.type(u"ed7020"_s, u"A"_s);
        QVERIFY(!save->isEnabled() && !print->isEnabled());
        QVERIFY(rk.window()->isModified());
    }

    // The finance rows keep their columns under one another.
    void financeColumns()
    {
        RkWindow rk;
        auto *tabs = rk.window()->findChild<QTabWidget *>(u"PageControl"_s);
        tabs->setCurrentIndex(2);
        QApplication::processEvents();
        auto x = [&](const QString &name) {
            QWidget *control = rk.control(name);
            return control->mapTo(rk.window(), QPoint()).x();
        };
        for (const QStringList &column :
             {QStringList{u"fin"_s, u"fin1"_s, u"fin2"_s}, QStringList{u"ed"_s, u"ed1"_s, u"ed2"_s},
              QStringList{u"sum"_s, u"sum1"_s, u"sum2"_s}}) {
            QCOMPARE(x(column[1]), x(column[0]));
            QCOMPARE(x(column[2]), x(column[0]));
        }
        QVERIFY(x(u"fin"_s) < x(u"ed"_s) && x(u"ed"_s) < x(u"sum"_s));
    }

    void activationShowsTheFirstPageInUkrainian()
    {
        RkWindow rk;
        auto *pages = rk.window()->findChild<QTabWidget *>(u"PageControl"_s);
        rk.focus(u"ed2358"_s);
        auto *indjz = static_cast<RadioGroup *>(rk.control(u"Indjz"_s));
        QRadioButton *english = indjz->button(2);
        QTest::mouseClick(english, Qt::LeftButton, {}, QPoint(6, english->height() / 2));
        QCOMPARE(indjz->itemIndex(), 2);
        QCOMPARE(pages->currentIndex(), 1);

        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QApplication::setActiveWindow(rk.window());
        QVERIFY(QTest::qWaitForWindowActive(rk.window()));
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(indjz->itemIndex(), 0);
    }

    void hintsAsWritten()
    {
        QHash<QString, QString> hints;
        for (const PageSpec &page : rkPages()) {
            for (const FieldSpec &field : page.fields)
                hints.insert(field.name, field.hint);
        }
        const QString fin = u"7713-Держбюджет\n\r7722-Кошти замовника\n\r7704-Власні кошти"_s;
        for (const QString &name : {u"fin"_s, u"fin1"_s, u"fin2"_s})
            QCOMPARE(hints.value(name), fin);
        const QString hint7199 = hints.value(u"ed7199"_s);
        QCOMPARE(hint7199.split(u"\n\r"_s).size(), 13);
        QVERIFY(hint7199.contains(u"Закону України \n\r\"Про пріоритетні напрями розвитку науки і "
                                  u"техніки:\"\n\r1   Фундаментальні"_s));
        QVERIFY(hints.value(u"ed7200"_s)
                    .startsWith(u"Для робіт, що проводяться за державними програмами (коди "
                                u"проставляються через \";\" : \n\r1 - Національна,"_s));
        QCOMPARE(hints.value(u"ed9036n"_s),
                 u"Для знищення етапу треба усунути його номер та натиснути на клавішу \"Tab\". "
                 u"Нумерація зміниться автоматично."_s);
        QCOMPARE(hints.value(u"ed6140"_s), u"Проставляється при реєстрації РК в ВЕРАКС"_s);
        QCOMPARE(hints.value(u"sum"_s), u"Допомоги немає"_s);
        QCOMPARE(hints.value(u"gorv"_s), QString());

        // The window shows them line by line.
        RkWindow rk;
        QCOMPARE(rk.control(u"ed5256"_s)->toolTip(),
                 u"5 - Відкрита\n4 - Конфіденційна\n1 - Для службового користування"_s);
    }

    void codeLists_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<bool>("emptyAccepted");
        QTest::addColumn<QString>("message");

        QTest::newRow("5256") << u"ed5256"_s << u"1"_s << u"3"_s << false
                              << u"  4 - конфіденційна,  5 - відкрита,  1 - для службового "
                                 u"користування"_s;
        QTest::newRow("7146") << u"ed7146"_s << u"25"_s << u"7"_s << false
                              << u"  07 - затвержена органами викон.влади,  34 - від центрального "
                                 u"органу викон.влади,  52 - угода затвержена з організацією,  43 "
                                 u"- з власної ініціативи,  25 - угода з фізичною особою."_s;
        QTest::newRow("7191") << u"ed7191"_s << u"66"_s << u"49"_s << false
                              << u"   39 - фундаментальна,  48 - прикладна,  57 - "
                                 u"дослідно-конструкторська,       66 - проектно-технологічна."_s;
        QTest::newRow("7209") << u"ed7209"_s << u"71"_s << u"72"_s << true
                              << u"  17 - головний виконавець,  71 - співвиконавець"_s;
        QTest::newRow("9036v") << u"ed9036v"_s << u"19"_s << u"20"_s << false
                               << u"91-заключний звіт, 28-проміжний звіт, 37-пояснювальна "
                                  u"записка, 19-без звіту,"_s;
        QTest::newRow("fin") << u"fin"_s << u"7704"_s << u"7706"_s << true
                             << u"Помилка в коді джерела фінансування!"_s;
        QTest::newRow("fin2") << u"fin2"_s << u"7705"_s << u"7707"_s << true
                              << u"Помилка в коді джерела фінансування!"_s;
        QTest::newRow("fin1") << u"fin1"_s << u"7713"_s << u"7799"_s << true
                              << u"Помилка в коді джерела фінансування!"_s;
        QTest::newRow("ed") << u"ed"_s << u"тис.руб."_s << u"грн"_s << false
                            << u"Такої грошової одиниці немає в словнику!"_s;
        QTest::newRow("ed1") << u"ed1"_s << u"DM"_s << u"руб."_s << false
                             << u"Такої грошової одиниці немає в словнику!"_s;
        QTest::newRow("ed2") << u"ed2"_s << u"євро"_s << u"EUR"_s << false
                             << u"Такої грошової одиниці немає в словнику!"_s;
    }

    void codeLists()
    {
        QFETCH(QString, field);
        QFETCH(QString, accepted);
        QFETCH(QString, refused);
        QFETCH(bool, emptyAccepted);
        QFETCH(QString, message);

        RkWindow rk;
        rk.fillRequiredCodes();
        // The page of stages is entered at its first number box.
        rk.focus(u"cpn"_s);
        rk.erase(field);
        rk.enter(field, refused);
        QVERIFY2(rk.messages() == QStringList{message}, qPrintable(rk.messages().join(u'|')));
        QCOMPARE(rk.focused(), field);
        QCOMPARE(rk.text(field), refused);

        rk.forgetMessages();
        rk.erase(field);
        rk.tab();
        QCOMPARE(rk.messages(), emptyAccepted ? QStringList() : QStringList{message});
        QCOMPARE(rk.focused() == field, !emptyAccepted);

        rk.forgetMessages();
        rk.erase(field);
        rk.enter(field, accepted);
        QCOMPARE(rk.messages(), QStringList());
        QVERIFY(rk.focused() != field);
    }

    void financeRows()
    {
        RkWindow rk;
        rk.fillRequiredCodes();
        // Rows 2 and 3 take all five codes; row 1 only three.
        rk.enter(u"fin1"_s, u"7706"_s);
        QCOMPARE(rk.messages(), QStringList());
        QCOMPARE(rk.focused(), u"ed1"_s);
        rk.erase(u"fin"_s);
        rk.enter(u"fin"_s, u"7706"_s);
        QCOMPARE(rk.messages(), QStringList{u"Помилка в коді джерела фінансування!"_s});
        QCOMPARE(rk.focused(), u"fin"_s);
        rk.erase(u"fin"_s);
        rk.enter(u"fin"_s, u"7713"_s);

        // An empty second row skips the third.
        rk.forgetMessages();
        rk.erase(u"fin1"_s);
        rk.tab();
        QCOMPARE(rk.focused(), u"ed7353"_s);

        // Blanks typed around a code are trimmed away at once.
        rk.erase(u"fin1"_s);
        rk.type(u"fin1"_s, u"  12 "_s);
        QCOMPARE(rk.text(u"fin1"_s), u"12"_s);
        rk.erase(u"fin1"_s);

        // An empty first row passes until a customer number box was entered
        // with a customer in hand.
        rk.erase(u"fin"_s);
        rk.tab();
        QCOMPARE(rk.messages(), QStringList());
        rk.enter(u"mm2152"_s, u"Замовник"_s);
        rk.focus(u"Edit1"_s);
        rk.erase(u"fin"_s);
        rk.tab();
        QCOMPARE(rk.messages(), QStringList{u"Помилка в коді джерела фінансування!"_s});
    }

    void sharedChecksOnTheirControls()
    {
        RkWindow rk;
        rk.fillRequiredCodes();
        rk.enter(u"ed5418D"_s, u"000005"_s);
        QCOMPARE(rk.messages(),
                 QStringList({u"Помилка в місяці!"_s, u"Помилка в числі місяця!"_s}));
        QCOMPARE(rk.focused(), u"ed5418D"_s);
        rk.erase(u"ed5418D"_s);
        rk.enter(u"ed5418D"_s, u"310205"_s); // the length of the month is not tested
        rk.tab(); // past the cancelled number, which jumps to the basis of the work
        rk.forgetMessages();
        rk.enter(u"ed7362"_s, u"1305"_s);
        QCOMPARE(rk.messages(), QStringList{u"Помилка в місяці!"_s});
        rk.erase(u"ed7362"_s);
        rk.forgetMessages();
        rk.enter(u"ed5436"_s, u"01041"_s);
        QCOMPARE(rk.messages(), QStringList{u"5436.Помилка в номері"_s});
        rk.erase(u"ed5436"_s);
        rk.forgetMessages();
        rk.enter(u"ed7210"_s, u"AB01C12345D"_s);
        QCOMPARE(rk.messages(), QStringList{u"7210.Помилка в номері"_s});
        rk.erase(u"ed7210"_s);
        rk.enter(u"ed7210"_s, u"AB01U12345D"_s);
        QCOMPARE(rk.messages(), QStringList{u"7210.Помилка в номері"_s});
        rk.forgetMessages();

        // The executor's code is tested only once the kind box was left.
        rk.enter(u"ed2457"_s, u"1234"_s);
        QCOMPARE(rk.messages(), QStringList());
        rk.focus(u"lizv"_s);
        rk.tab();
        rk.focus(u"ed2457"_s);
        rk.tab();
        QCOMPARE(rk.messages(),
                 QStringList{u"2457.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"_s});
        QCOMPARE(rk.focused(), u"ed2457"_s);
        rk.erase(u"ed2457"_s);

        // An individual executor: ten digits, blue labels.
        rk.forgetMessages();
        auto *kind = rk.control(u"lizv"_s);
        rk.focus(u"lizv"_s);
        QTest::keyClick(kind, Qt::Key_Down);
        QCOMPARE(rk.text(u"lizv"_s), u"Фізична особа"_s);
        rk.tab();
        QCOMPARE(rk.window()->findChild<QLabel *>(u"Label30"_s)->text(), u"2457 Індивідуальний "_s);
        QCOMPARE(rk.window()->findChild<QLabel *>(u"Label57"_s)->text(), u"податковий номер"_s);
        QCOMPARE(rk.text(u"ed2457"_s).size(), 10);

        // A kind text that is not an item becomes the first item.
        rk.erase(u"lizz"_s);
        rk.enter(u"lizz"_s, u"Хтось"_s);
        QCOMPARE(rk.text(u"lizz"_s), u"Юридична особа"_s);
        QCOMPARE(rk.focused(), u"lizz"_s);

        // The co-executor's code is asked for its number first.
        rk.forgetMessages();
        rk.erase(u"cpn"_s);
        rk.tab(); // an empty number box moves on to the stages
        QCOMPARE(rk.focused(), u"ed9036n"_s);
        rk.focus(u"cpk"_s);
        rk.tab();
        QCOMPARE(rk.messages(), QStringList{u"Вкажіть порядковий номер!"_s});
        QCOMPARE(rk.focused(), u"cpn"_s);
    }

    void languages()
    {
        RkWindow rk;
        rk.enter(u"mm2151"_s, u"Інститут"_s);
        QCOMPARE(rk.messages(), QStringList{u"Введіть назву російською мовою !"_s});
        QCOMPARE(static_cast<RadioGroup *>(rk.control(u"Indjz"_s))->itemIndex(), 1);
        QCOMPARE(rk.text(u"mm2151"_s), QString());
        QCOMPARE(rk.focused(), u"mm2151"_s);
        rk.forgetMessages();
        rk.type(u"mm2151"_s, u"Институт"_s);
        rk.tab();
        QCOMPARE(rk.messages(), QStringList{u"Введіть назву англійською мовою !"_s});
        rk.forgetMessages();
        rk.tab(); // left empty while English is shown
        QCOMPARE(rk.messages(), QStringList());

        // Choosing a language shows its text.
        auto *indjz = static_cast<RadioGroup *>(rk.control(u"Indjz"_s));
        QRadioButton *russian = indjz->button(1);
        QTest::mouseClick(russian, Qt::LeftButton, {}, QPoint(6, russian->height() / 2));
        QCOMPARE(rk.text(u"mm2151"_s), u"Институт"_s);

        rk.enter(u"ed6120"_s, u"Петренко"_s);
        QCOMPARE(rk.messages(), QStringList{u"Введіть прізвище російською мовою !"_s});
    }

    void rubricBoxesAndJumps()
    {
        RkWindow rk;
        rk.fillRequiredCodes();
        rk.focus(u"ed5517"_s);
        rk.tab();
        QCOMPARE(rk.focused(), u"ed7146"_s);

        rk.focus(u"ed56162"_s);
        rk.tab();
        QCOMPARE(rk.focused(), u"ed6111"_s);
        rk.enter(u"ed56161"_s, u"291931"_s);
        QCOMPARE(rk.focused(), u"ed56162"_s);
    }

    // Checking a whole card runs the handlers of leaving its fields on a
    // copy: no message box, no move of the cursor, no change of the card.
    void checkingTheCardLeavesTheWindowAsItWas()
    {
        RkWindow rk;
        QStringList lines = withLine(fullCardLines(), u"5418\\"_s, u"5418\\1\\01.13.05"_s);
        lines = withLine(lines, u"2151\\2\\"_s, QString());
        lines = withLine(lines, u"2458\\3\\"_s, u"2458\\3\\1\\123\\М\\Н\\А"_s);
        rk.open(cardBytes(lines));
        rk.forgetMessages();
        rk.focus(u"ed5256"_s);
        const QStringList before = rk.window()->writeCard();
        const bool modified = rk.window()->isModified();

        QCOMPARE(rk.window()->checkFields(),
                 (QList<FieldFailure>{
                     {u"5418"_s, u"ed5418D"_s, u"Помилка в місяці!"_s},
                     {u"2458"_s, u"ed2458"_s,
                      u"2458.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"_s}}));
        QCOMPARE(rk.messages(), QStringList());
        QCOMPARE(rk.focused(), u"ed5256"_s);
        QCOMPARE(rk.window()->writeCard(), before);
        QCOMPARE(rk.window()->isModified(), modified);
        QCOMPARE(rk.itemIndex(u"Indjz"_s), 0);
    }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
