#include "okd/frmokd.h"
#include "okd/support/okdfiles.h"
#include "okd/support/okdwindow.h"

#include "frame/editorregistry.h"
#include "frame/hinttiming.h"
#include "frame/pagebuilder.h"
#include "shell/embossedbutton.h"
#include "shell/mainform.h"

#include <QAction>
#include <QComboBox>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

// The dissertation card window as the clerk first meets it: its pages, its
// controls' first state, the gate on saving and printing, the page steps and
// the questions on leaving.
class EditorTest : public QObject
{
    Q_OBJECT

private:
    static QTabWidget *pages(const OkdWindow &okd)
    {
        return okd.window()->findChild<QTabWidget *>(u"pc1"_s);
    }

private slots:
    void freshWindow()
    {
        OkdWindow okd;
        QCOMPARE(okd.window()->windowTitle(), u"Облікова картка дисертації (ОКД)"_s);
        QStringList captions;
        for (int page = 0; page < pages(okd)->count(); ++page)
            captions << pages(okd)->widget(page)->objectName() + u' ' + pages(okd)->tabText(page);
        QCOMPARE(captions, QStringList({u"ts1 Реєстраційні дані"_s,
                                        u"ts2 Назва дисертації та реферата"_s, u"ts3 Організаціі"_s,
                                        u"ts4 Загальні дані"_s, u"ts5 Наукові керівники"_s}));
        QCOMPARE(pages(okd)->currentIndex(), 0);
        const QStringList boxes = {u"cb5013"_s, u"cb5256"_s, u"cb7443"_s,
                                   u"cb7344"_s, u"cb5535"_s, u"cb5211"_s};
        QStringList texts;
        for (const QString &box : boxes)
            texts << okd.text(box);
        QCOMPARE(texts, QStringList({u"04"_s, u"5"_s, u"13"_s, u"35"_s, u"35"_s, u"55"_s}));
        for (const QString &group : {u"RadioGroup1"_s, u"RadioGroup2"_s, u"indjzd"_s, u"indjzk"_s})
            QCOMPARE(okd.itemIndex(group), 0);
        QCOMPARE(okd.text(u"ed5742"_s), u"    "_s);
        QCOMPARE(okd.text(u"edCod"_s), QString(8, u' '));
        QCOMPARE(okd.text(u"ed7425"_s), QString());
        QCOMPARE(okd.control(u"cb5013"_s)->toolTip(), u"04 - Кандидатська,\n05 - Докторська."_s);
        QCOMPARE(okd.control(u"ed6147"_s)->toolTip(), u"Допомоги немає"_s);
        QCOMPARE(okd.control(u"ed6140"_s)->toolTip(),
                 u"Проставляється при реєстрації ОКД в ВЕРАКС"_s);
        QCOMPARE(static_cast<QComboBox *>(okd.control(u"ed6165ns4"_s))->count(), 48);
        QCOMPARE(static_cast<QComboBox *>(okd.control(u"ed7425"_s))->count(), 51);
        QCOMPARE(static_cast<QComboBox *>(okd.control(u"ed6273ns"_s))->count(), 49);
        QCOMPARE(hintDelay(), 500);
        QCOMPARE(hintShowTime(), 5500);
        QCOMPARE(okd.action(u"SaveAs1"_s)->text(), u"Записати як ..."_s);
        QVERIFY(!okd.action(u"SaveAs1"_s)->isEnabled() && !okd.action(u"Print1"_s)->isEnabled());
        QCOMPARE(okd.focused(), u"cb5013"_s);
        // Every page fits the window's width.
        for (int index = 0; index < pages(okd)->count(); ++index) {
            pages(okd)->setCurrentIndex(index);
            QApplication::processEvents();
            auto *page = static_cast<CardPage *>(pages(okd)->widget(index));
            QVERIFY2(page->content()->minimumSizeHint().width() <= page->viewport()->width(),
                     qPrintable(page->objectName()));
        }
    }

    void typingAndTheGate_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("counts");
        QTest::newRow("applicant") << u"ed6147"_s << u"П"_s << true;
        QTest::newRow("count") << u"ed5742"_s << u"1"_s << true;
        QTest::newRow("council") << u"ed7452"_s << u"Д"_s << true;
        QTest::newRow("opponent") << u"ed6165f1"_s << u"О"_s << true;
        QTest::newRow("title") << u"mm9045"_s << u"Н"_s << false;
        QTest::newRow("second code") << u"Ed6444a"_s << u"1"_s << false;
        QTest::newRow("registry head") << u"ed6140"_s << u"Р"_s << false;
        QTest::newRow("speciality") << u"ed6156h1"_s << u"1"_s << false;
        QTest::newRow("degree") << u"ed7425"_s << u"д"_s << false;
    }

    // A key released in a field marked so locks saving and printing; typing
    // in any data field marks the card changed.
    void typingAndTheGate()
    {
        QFETCH(QString, control);
        QFETCH(QString, keys);
        QFETCH(bool, counts);
        OkdWindow okd;
        okd.click(u"BitBtn1"_s);
        QAction *save = okd.action(u"SaveAs1"_s);
        QAction *print = okd.action(u"Print1"_s);
        QVERIFY(save->isEnabled() && print->isEnabled());
        okd.type(control, keys);
        QCOMPARE(save->isEnabled(), !counts);
        QCOMPARE(print->isEnabled(), !counts);
        QVERIFY(okd.window()->isModified()); // every data field changes the card
    }

    void otherWaysOfChanging()
    {
        OkdWindow okd;
        okd.click(u"BitBtn1"_s);
        // A choice from a coded list marks the card, the menu stays.
        auto *kind = static_cast<QComboBox *>(okd.control(u"cb5013"_s));
        emit kind->activated(1);
        QVERIFY(okd.window()->isModified());
        QVERIFY(okd.action(u"SaveAs1"_s)->isEnabled());
        // A key released on the window itself locks saving only.
        okd.window()->setFocus();
        QTest::keyClick(okd.window(), Qt::Key_A);
        QVERIFY(!okd.action(u"SaveAs1"_s)->isEnabled());
        QVERIFY(okd.action(u"Print1"_s)->isEnabled());
    }

    // A card read wherever the cursor stood changes nothing: it shows from
    // its first field, no check of the field left behind runs on it, and the
    // next "Відкрити..." asks nothing.
    void readingChangesNothing_data()
    {
        QTest::addColumn<int>("pageSteps");
        QTest::addColumn<QString>("field");
        QTest::newRow("first field") << 0 << u"cb5013"_s;
        QTest::newRow("council code") << 2 << u"ed7452"_s;
        QTest::newRow("supervisor") << -1 << u"ed6156f1"_s;
    }

    void readingChangesNothing()
    {
        QFETCH(int, pageSteps);
        QFETCH(QString, field);
        OkdWindow okd;
        for (int step = 0; step < qAbs(pageSteps); ++step)
            okd.click(pageSteps > 0 ? u"BitBtn4"_s : u"BitBtn3"_s);
        okd.focus(field);
        // Supervisor 1 has no Russian name: leaving the box would ask for it.
        QStringList lines = okdFullCardLines();
        lines.removeIf([](const QString &line) { return line.startsWith(u"6156\\1\\2\\"_s); });
        okd.open(cardBytes(lines));
        QCOMPARE(okd.text(u"cb5013"_s), u"05"_s);
        QCOMPARE(okd.focused(), u"cb5013"_s);
        QCOMPARE(pages(okd)->currentIndex(), 0);
        okd.dialogs().queueOpenName(QString());
        okd.chooseFromMenu(u"Open1"_s);
        QCOMPARE(okd.messages(), QStringList());
    }

    // A click on a radio item lands the first time when the field left
    // only sends the cursor on by its rule, or keeps its text.
    void firstClicksLand()
    {
        OkdWindow okd;
        okd.click(u"BitBtn3"_s); // the supervisors
        okd.choose(u"indjzk"_s, 1);
        okd.type(u"ed6156f3"_s, u"Коваль"_s);
        okd.choose(u"indjzk"_s, 2);
        QCOMPARE(okd.itemIndex(u"indjzk"_s), 2);
        okd.click(u"BitBtn3"_s);
        okd.click(u"BitBtn3"_s);          // the organisations
        okd.type(u"ed7452"_s, u"Д 01"_s); // leaving it goes on to the telephone
        okd.choose(u"RadioGroup1"_s, 2);
        QCOMPARE(okd.itemIndex(u"RadioGroup1"_s), 2);
        QCOMPARE(okd.messages(), QStringList());
    }

    void pagesGoRound()
    {
        OkdWindow okd;
        okd.click(u"BitBtn3"_s);
        QCOMPARE(pages(okd)->currentIndex(), 4);
        okd.click(u"BitBtn4"_s);
        QCOMPARE(pages(okd)->currentIndex(), 0);
    }

    // "Вихід", "Новий" and the close box ask about unsaved changes.
    void leavingAsks()
    {
        OkdWindow okd;
        okd.type(u"ed7021"_s, u"1"_s);
        okd.dialogs().queueAnswer(Dialogs::Answer::Cancel);
        okd.trigger(u"Exit1"_s);
        QVERIFY(okd.window());
        QCOMPARE(okd.dialogs().shown().constLast().caption, u"Облікова картка дисертації"_s);
        QCOMPARE(okd.messages(), QStringList{u"Зберегти зміни в картці?"_s});
        okd.dialogs().queueAnswer(Dialogs::Answer::Cancel);
        QVERIFY(!okd.window()->close());
        okd.dialogs().queueAnswer(Dialogs::Answer::No);
        okd.trigger(u"New1"_s);
        QTRY_VERIFY(!okd.window());
    }

    // The main window's choice opens the editor, "Новий" replaces it by a
    // fresh one, and "Вихід" asks about its card first.
    void mainWindow()
    {
        registerEditor<TpfrmOkd>(CardKind::OKD);
        ScriptedDialogs dialogs;
        dialogs.install();
        TMainForm form;
        QTest::mouseClick(form.LabelEffect3, Qt::LeftButton);
        QPointer<QWidget> first = form.latestEditor(CardKind::OKD);
        QVERIFY(qobject_cast<TpfrmOkd *>(first));
        first->findChild<QAction *>(u"New1"_s)->trigger();
        QTRY_VERIFY(!first);
        auto *fresh = qobject_cast<TpfrmOkd *>(form.latestEditor(CardKind::OKD));
        QVERIFY(fresh);
        fresh->setModified(true);
        dialogs.queueAnswer(Dialogs::Answer::Cancel);
        form.exitProgram();
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.shown().constFirst().caption, u"Облікова картка дисертації"_s);
        QVERIFY(form.latestEditor(CardKind::OKD));
        fresh->setModified(false);
        fresh->close();
        registerEditorFactory(CardKind::OKD, {});
    }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
