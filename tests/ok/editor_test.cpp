#include "ok/frmok.h"
#include "ok/support/okfiles.h"
#include "ok/support/okwindow.h"

#include "controls/radiogroup.h"
#include "frame/editorregistry.h"
#include "frame/pagebuilder.h"
#include "shell/mainform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString kEightDigits = u"2457.Помилка в коді ЄДРПОУ.\n\rВ коді повинно бути 8 цифр"_s;
const QString kTenDigits =
    u"2457.Помилка в індивідуальному податковому номері.\n\rВ номері повинно бути 10 цифр"_s;
} // namespace

class EditorTest : public QObject
{
    Q_OBJECT

private:
    static void chooseKind(OkWindow &ok, const QString &box, const QString &kind)
    {
        ok.fill(box, kind);
        ok.focus(box);
        ok.tab();
    }

    static void pickPosition(OkWindow &ok, const QString &spin, int position)
    {
        ok.focus(spin);
        ok.window()->findChild<QSpinBox *>(spin)->setValue(position);
        QCoreApplication::processEvents();
    }

private slots:
    // A change of kind empties each party's code, so that the code typed next
    // is exactly what the field holds; a masked field entered by Tab has its
    // text replaced by what is typed.
    void kindChangeEmptiesTheCode_data()
    {
        QTest::addColumn<QString>("kindBox");
        QTest::addColumn<QString>("code");
        QTest::newRow("executor") << u"lizv"_s << u"ed2457"_s;
        QTest::newRow("owner") << u"lizz"_s << u"ed2459"_s;
        QTest::newRow("co-executor") << u"lizsv"_s << u"ed2142k"_s;
    }

    void kindChangeEmptiesTheCode()
    {
        QFETCH(QString, kindBox);
        QFETCH(QString, code);
        OkWindow ok;
        ok.enter(code, u"12345678"_s);
        chooseKind(ok, kindBox, u"Фізична особа"_s);
        QCOMPARE(ok.focused(), code);
        QCOMPARE(ok.text(code), QString(10, u' '));
        ok.type(code, u"3012345678"_s);
        QCOMPARE(ok.text(code), u"3012345678"_s);
        // Entered again by Tab from the kind box, typing replaces the code.
        ok.focus(kindBox);
        ok.tab();
        QCOMPARE(ok.focused(), code);
        for (const QChar digit : u"2987654321"_s)
            QTest::keyClick(QApplication::focusWidget(), char(digit.unicode()));
        QCOMPARE(ok.text(code), u"2987654321"_s);
    }

    // A shown window whose focused combo box holds a card's text is taken
    // down without its handlers running on its destroyed parts.
    void deletingAFilledWindow()
    {
        auto ok = std::make_unique<OkWindow>();
        QFile file(ok->path(u"card.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cardBytes(fullOkCardLines()));
        file.close();
        QVERIFY(ok->window()->readCard(file.fileName()));
        ok.reset();
    }

    void freshWindowAndTheGate()
    {
        OkWindow ok;
        auto *pages = ok.window()->findChild<QTabWidget *>(u"PageControl"_s);
        QStringList captions;
        for (int page = 0; page < pages->count(); ++page)
            captions << pages->tabText(page);
        QCOMPARE(captions, QStringList({u"Реєстраційні дані"_s, u"Виконавець"_s, u"Власник"_s,
                                        u"Eтапи"_s, u"Назва,реферат"_s, u"Загальні дані"_s,
                                        u"Співвиконавці"_s, u"Тематика"_s}));
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(ok.window()->windowTitle(), u"Облікова картка НДР І ДКР (ОК)"_s);
        const QHash<QString, QString> fresh = {
            {u"cb5013"_s, u"03"_s}, {u"cb5256"_s, u"5"_s},          {u"cb5562"_s, u"0"_s},
            {u"cb7344"_s, u"35"_s}, {u"cb5715"_s, u"720"_s},        {u"cb5535"_s, u"35"_s},
            {u"cb5211"_s, u"55"_s}, {u"cb5040"_s, QString()},       {u"cb7209"_s, QString()},
            {u"ed2142p"_s, u"1"_s}, {u"ed5437"_s, u"    U      "_s}};
        for (auto it = fresh.begin(); it != fresh.end(); ++it)
            QCOMPARE(ok.text(it.key()), it.value());
        QCOMPARE(ok.action(u"N5"_s)->text(), u"Вихід"_s);
        QCOMPARE(ok.action(u"N2"_s)->text(), u"Допомога"_s);
        QCOMPARE(ok.control(u"BitBtn1"_s)->property("text").toString(), u"&Кінець введення"_s);
        const QStringList hint = hintText(ok.control(u"ed7199"_s)->toolTip()).split(u'\n');
        QCOMPARE(hint.size(), 13);
        QCOMPARE(hint.at(8).trimmed(), u"найпоширеніших захворювань"_s);

        QAction *save = ok.action(u"N6"_s);
        QAction *print = ok.action(u"N8"_s);
        QVERIFY(!save->isEnabled() && !print->isEnabled());
        ok.click(u"BitBtn1"_s);
        QVERIFY(save->isEnabled() && print->isEnabled());
        // Typing in any of these changes the card without locking saving.
        for (const QString &field : {u"gorv"_s, u"gorz"_s, u"Edit1"_s, u"Edit2"_s, u"Ed2142m"_s,
                                     u"ed7022"_s, u"ed7199"_s}) {
            ok.window()->setModified(false);
            ok.type(field, u"x"_s);
            QVERIFY2(save->isEnabled() && ok.window()->isModified(), qPrintable(field));
        }
        ok.window()->setModified(false);
        auto *patents = ok.window()->findChild<QComboBox *>(u"cb5562"_s);
        patents->setFocus();
        patents->activated(1); // a click on an item marks the card changed only
        QVERIFY(ok.window()->isModified() && save->isEnabled());
        ok.type(u"ed2358"_s, u"x"_s);
        QVERIFY(!save->isEnabled() && !print->isEnabled());

        ok.window()->compNil();
        QCOMPARE(ok.text(u"cb5562"_s), u"1"_s);
    }

    void unsavedChangesAreAskedAbout()
    {
        OkWindow ok;
        ok.type(u"ed2358"_s, u"x"_s);
        for (const QString &how : {u"N3"_s, u"close box"_s}) {
            ok.dialogs().queueAnswer(Dialogs::Answer::Cancel);
            if (how == u"N3"_s)
                ok.trigger(how);
            else
                ok.window()->close();
            QVERIFY(ok.window() && ok.window()->isVisible());
            QCOMPARE(ok.text(u"ed2358"_s), u"x"_s);
        }
        const auto &shown = ok.dialogs().shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.last().caption, u"Облікова картка НДР І ДКР"_s);
        QCOMPARE(shown.last().text, u"Зберегти зміни в картці?"_s);
    }

    // A card read with the cursor where the window put it changes nothing:
    // the lists and the codes show what the file holds, and leaving the
    // editor by its menu asks no question.
    void readingChangesNothing_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("card kind") << u"5013\\02"_s << u"cb5013"_s << u"02"_s;
        QTest::newRow("marks") << u"5256\\4"_s << u"cb5256"_s << u"4"_s;
        QTest::newRow("executor") << u"2457\\2\\3012345678"_s << u"ed2457"_s << u"3012345678"_s;
        QTest::newRow("co-executor")
            << u"2142\\1\\2\\1234567890\\Суми\\Н\\А"_s << u"ed2142k"_s << u"1234567890"_s;
    }

    void readingChangesNothing()
    {
        QFETCH(QString, line);
        QFETCH(QString, control);
        QFETCH(QString, text);
        OkWindow ok;
        QCOMPARE(ok.focused(), u"cb5013"_s);
        ok.open(cardBytes(newOkCardLines() << line)); // the later line holds
        QCOMPARE(ok.text(control), text);
        ok.chooseFromMenu(u"N5"_s);
        QCOMPARE(ok.messages(), QStringList());
        QTRY_VERIFY(!ok.window());
    }

    void mainWindowOpensItAndAsksAboutIt()
    {
        ScriptedDialogs dialogs;
        dialogs.install();
        registerEditor<TfrmOK>(CardKind::OK);
        TMainForm main;
        auto *editor = qobject_cast<TfrmOK *>(main.openCard(CardKind::OK));
        QVERIFY(editor);
        editor->setModified(true);
        dialogs.queueAnswer(Dialogs::Answer::Cancel);
        main.exitProgram();
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.shown().first().caption, u"Облікова картка НДР І ДКР"_s);
        QVERIFY(main.latestEditor(CardKind::OK) == editor);
        editor->setModified(false);
        delete editor;
        registerEditorFactory(CardKind::OK, {});
    }

    void checksOnLeaving_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("cursorBack");

        const QString month = u"Помилка в місяці!"_s;
        const QString day = u"Помилка в числі місяця!"_s;
        const QString partial = u"Помилка в даті"_s;
        QTest::newRow("month 13") << u"ed5418D"_s << u"311305"_s << QStringList{month} << true;
        QTest::newRow("day 32") << u"ed5518D"_s << u"321205"_s << QStringList{day} << true;
        QTest::newRow("both") << u"ed5418D"_s << u"000005"_s << QStringList{month, day} << true;
        QTest::newRow("partly typed") << u"ed5418D"_s << u"121"_s << QStringList{partial} << true;
        QTest::newRow("31 February") << u"ed5518D"_s << u"310205"_s << QStringList() << false;
        QTest::newRow("stage month") << u"ed9036p"_s << u"1305"_s << QStringList{month} << true;
        QTest::newRow("stage partly") << u"ed9036z"_s << u"12"_s << QStringList{partial} << true;
        QTest::newRow("no U") << u"ed5436"_s << u"AB12C34567D"_s
                              << QStringList{u"5436.Помилка в номері"_s} << true;
        QTest::newRow("lower u") << u"ed7210"_s << u"AB12u34567D"_s
                                 << QStringList{u"7210.Помилка в номері"_s} << true;
        QTest::newRow("U fifth") << u"ed7210"_s << u"AB12U34567D"_s << QStringList() << false;
        QTest::newRow("accounting partly")
            << u"ed5437"_s << u"12345"_s << QStringList{u"5437.Помилка в номері"_s} << true;
        QTest::newRow("product 99")
            << u"ed7326"_s << u"99"_s << QStringList{u"Помилка\r\n09 або 45 або 72"_s} << true;
        QTest::newRow("stage number partly")
            << u"ed5526"_s << u"12"_s << QStringList{u"5526.Помилка в номері"_s} << true;
        QTest::newRow("half a code, kind never left")
            << u"ed2457"_s << u"1234"_s << QStringList() << false;
    }

    void checksOnLeaving()
    {
        QFETCH(QString, control);
        QFETCH(QString, keys);
        QFETCH(QStringList, messages);
        QFETCH(bool, cursorBack);
        OkWindow ok;
        ok.enter(control, keys);
        QCOMPARE(ok.messages(), messages);
        QCOMPARE(ok.focused() == control, cursorBack);
    }

    void programmeCodeIsEmptiedAndStoredCodesKept()
    {
        OkWindow ok;
        for (const QString &wrong : {u"7"_s, u"0"_s}) {
            ok.forgetMessages();
            ok.enter(u"ed7200"_s, wrong);
            QCOMPARE(ok.messages(), QStringList{u"Помилка\r\nот 1 до 6"_s});
            QCOMPARE(ok.text(u"ed7200"_s), u" "_s);
            QVERIFY(ok.focused() != u"ed7200"_s);
        }
        ok.enter(u"ed7326"_s, u"45"_s);
        ok.erase(u"ed7326"_s);
        ok.tab();
        QCOMPARE(ok.window()->logic().list(OkEditorLogic::List::Products).entry(1), u"45"_s);
    }

    void kindBoxesSwitchLabelsAndMasks()
    {
        OkWindow ok;
        chooseKind(ok, u"lizv"_s, u"Фізична особа"_s);
        auto *label = ok.window()->findChild<QLabel *>(u"Label30"_s);
        QCOMPARE(label->text(), u"2457 Індивідуальний "_s);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(ok.window()->findChild<QLabel *>(u"Label57"_s)->text(), u"податковий номер"_s);
        ok.enter(u"ed2457"_s, u"12345678"_s);
        QCOMPARE(ok.messages(), QStringList{kTenDigits});
        QCOMPARE(ok.focused(), u"ed2457"_s);

        ok.fill(u"ed2457"_s, u"1234567890"_s);
        ok.forgetMessages();
        chooseKind(ok, u"lizv"_s, u"Юридична"_s);
        QCOMPARE(ok.messages(), QStringList{u" Помилка "_s});
        QCOMPARE(ok.dialogs().count(ScriptedDialogs::Kind::Beep), 1);
        QCOMPARE(ok.focused(), u"lizv"_s);
        QCOMPARE(label->text(), u"2457 Код організації"_s);
        ok.fill(u"lizv"_s, u"Юридична особа"_s);
        ok.erase(u"ed2457"_s);
        ok.forgetMessages();
        ok.enter(u"ed2457"_s, u"1234"_s);
        QCOMPARE(ok.messages(), QStringList{kEightDigits});

        ok.fill(u"ed2457"_s, u"12345678"_s);
        ok.forgetMessages();
        chooseKind(ok, u"lizz"_s, u"Фізична особа"_s);
        QCOMPARE(ok.window()->findChild<QLabel *>(u"Label27"_s)->text(),
                 u"2459 Індивідуальний податковий номер"_s);
        ok.enter(u"ed2459"_s, u"123"_s);
        QCOMPARE(ok.messages(), QStringList{u"2459.Помилка в індивідуальному податковому "
                                            u"номері.\n\rВ номері повинно бути 10 цифр"_s});
    }

    void listCheckAndRubricJump()
    {
        OkWindow ok;
        ok.erase(u"cb5013"_s);
        ok.enter(u"cb5013"_s, u"7"_s);
        QCOMPARE(ok.text(u"cb5013"_s), u"03"_s);
        QCOMPARE(ok.focused(), u"cb5013"_s);
        QCOMPARE(ok.messages(), QStringList());
        ok.focus(u"ed5616a"_s);
        ok.tab();
        QCOMPARE(ok.focused(), u"ed6111"_s);
    }

    void languagePrompts()
    {
        OkWindow ok;
        ok.enter(u"mm2151"_s, u"Назва"_s);
        QCOMPARE(ok.messages(), QStringList{u"Введіть назву російською мовою !"_s});
        QCOMPARE(ok.window()->findChild<RadioGroup *>(u"Indjz"_s)->itemIndex(), 1);
        QCOMPARE(ok.text(u"mm2151"_s), QString());
        QCOMPARE(ok.focused(), u"mm2151"_s);
        ok.tab(); // leaving Russian empty ends the asking
        QCOMPARE(ok.messages().size(), 1);

        ok.forgetMessages();
        ok.enter(u"ed6120"_s, u"Петренко"_s);
        QCOMPARE(ok.messages(), QStringList{u"Введіть прізвище російською мовою !"_s});

        // Title and abstract are kept per language without prompts.
        ok.forgetMessages();
        ok.enter(u"mm9027"_s, u"Назва роботи"_s);
        ok.type(u"mm9117"_s, u"Реферат"_s);
        auto *selector = ok.window()->findChild<RadioGroup *>(u"Indjzr"_s);
        QRadioButton *english = selector->button(2);
        QTest::mouseClick(english, Qt::LeftButton, {}, QPoint(6, english->height() / 2));
        QCOMPARE(ok.messages(), QStringList());
        QCOMPARE(ok.text(u"mm9117"_s), QString());
        const OkEditorLogic &logic = ok.window()->logic();
        QCOMPARE(logic.language(OkEditorLogic::Languages::Abstract).text(0), u"Реферат"_s);
        QCOMPARE(logic.language(OkEditorLogic::Languages::Title).text(0), u"Назва роботи"_s);
    }

    void positionListKeepsEntriesBehindAGap()
    {
        OkWindow ok;
        for (const int position : {1, 2, 4}) {
            pickPosition(ok, u"sp7200"_s, position);
            QCOMPARE(ok.focused(), u"ed7200"_s);
            ok.type(u"ed7200"_s, QString::number(position));
            ok.tab();
        }
        pickPosition(ok, u"sp7200"_s, 2);
        QCOMPARE(ok.text(u"ed7200"_s), u"2"_s);
        QVERIFY(ok.window()->writeCard().contains(u"7200\\1;2;4;"_s));
    }

    void coexecutorsWrapAndAreAllSaved()
    {
        OkWindow ok;
        ok.enter(u"ed2142k"_s, u"11111111"_s);
        ok.click(u"Button4"_s);
        QCOMPARE(ok.focused(), u"lizsv"_s);
        chooseKind(ok, u"lizsv"_s, u"Фізична особа"_s);
        QCOMPARE(ok.window()->findChild<QLabel *>(u"Label43"_s)->text(),
                 u"Індивідуальний податковий номер"_s);
        ok.enter(u"ed2142k"_s, u"2222222222"_s);
        ok.click(u"Button4"_s);
        ok.enter(u"mm2142n"_s, u"Без коду"_s);
        ok.click(u"Button3"_s);
        QCOMPARE(ok.text(u"ed2142p"_s), u"2"_s);
        QCOMPARE(ok.text(u"ed2142k"_s), u"2222222222"_s);
        ok.click(u"Button3"_s);
        ok.click(u"Button3"_s);
        QCOMPARE(ok.text(u"ed2142p"_s), u"1"_s);
        QCOMPARE(ok.text(u"ed2142k"_s), u"11111111"_s);
        for (int step = 0; step < 19; ++step)
            ok.click(u"Button4"_s);
        QCOMPARE(ok.text(u"ed2142p"_s), u"20"_s);
        ok.click(u"Button4"_s);
        QCOMPARE(ok.text(u"ed2142p"_s), u"1"_s);

        QStringList saved;
        for (const QString &line : ok.window()->writeCard()) {
            if (line.startsWith(u"2142"_s))
                saved.append(line);
        }
        QCOMPARE(saved,
                 QStringList({u"2142\\1\\1\\11111111\\\\\\"_s, u"2142\\2\\2\\2222222222\\\\\\"_s,
                              u"2142\\3\\2\\\\\\Без коду\\"_s}));
    }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
