#include "controls/controltext.h"
#include "controls/lineedit.h"
#include "controls/memo.h"
#include "controls/radiogroup.h"
#include "dialogs/qtdialogs.h"
#include "dialogs/scripteddialogs.h"
#include "frame/focusguard.h"
#include "frame/frmtemplate.h"
#include "frame/help.h"
#include "frame/pagebuilder.h"
#include "support/uitest.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

PageSpec firstPage()
{
    return {
        "TabSheet1",
        "Реєстраційні дані",
        {
            {"ed5256",
             FieldKind::Edit,
             "5256. Особливі позначки",
             {},
             {},
             0,
             {},
             "5",
             "5 - Відкрита\n\r4 - Конфіденційна",
             Changed},
            {"ed7199", FieldKind::Edit, "7199. Науковий напрям"},
            {"ed7191", FieldKind::Edit, "7191. Вид роботи", {}, {}, 2, {}, {}, {}, Changed},
            {"mm9027", FieldKind::ScrollMemo, "9027. Назва роботи", {}, {}, 0, {}, {}, {}, Changed},
            {"ed", FieldKind::Combo, {}, {}, {}, 0, {"тис.грн.", "дол."}, "тис.грн.", {}, Changed},
            {"fin", FieldKind::Edit, "Код", {}, {}, 4, {}, {}, {}, Changed | TrimOnKey | SameRow},
        }};
}

PageSpec secondPage()
{
    return {"TabSheet4",
            "Виконавець",
            {
                {"head", FieldKind::Heading, "Відомості про виконавця"},
                {"Indjz",
                 FieldKind::RadioGroup,
                 "Мова назви виконавця:",
                 {},
                 {},
                 0,
                 {"українська ", "російська", "англійська"},
                 "0"},
                {"ed2457",
                 FieldKind::MaskedEdit,
                 "2457. Код організації",
                 "Label30",
                 "99999999;1;_",
                 8,
                 {},
                 "        ",
                 {},
                 Changed},
                {"BitBtn6", FieldKind::Button, "Попередній замовник "},
            }};
}

PageSpec thirdPage()
{
    FieldSpec spin{"sp7200", FieldKind::SpinBox, "Порядковий № "};
    spin.text = "1";
    spin.minimum = 1;
    spin.maximum = 10;
    return {"TabSheet5",
            "Тематика",
            {
                spin,
                {"ed6140", FieldKind::Edit, "6140. Керівник відділу"},
                {"REG", FieldKind::Edit, "Реєстратор", {}, {}, 0, {}, {}, {}, Changed | Hidden},
            }};
}

// A small card editor on the frame: its save asks for a file name and
// records it.
class TestEditor : public TfrmTemplate
{
public:
    explicit TestEditor(CardKind kind = CardKind::RK)
        : TfrmTemplate(kind, "Реєстраційна карта", QSize(632, 406), 38)
    {
        addPage(firstPage());
        addPage(secondPage());
        addPage(thirdPage());
    }

    bool saveAs() override
    {
        const QString name = dialogs().saveFileName("Текстовые файлы|*.txt", "txt", "RK");
        if (name.isEmpty())
            return false;
        saved << name;
        setModified(false);
        return true;
    }
    bool open() override { return false; }
    bool readCard(const QString &) override { return false; }
    QStringList writeCard() override { return {}; }
    void printCard() override { ++prints; }

    template <class T = QWidget> T *find(const QString &name) const
    {
        T *found = control<T>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QAction *action(const QString &name) const { return find<QAction>(name); }
    QTabWidget *pages() const { return PageControl; }

    QStringList saved;
    int prints = 0;
};

} // namespace

class FrameTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        script = std::make_unique<ScriptedDialogs>();
        script->install();
        opened.clear();
        setEditorOpener([this](CardKind kind) { opened << kind; });
        editor = new TestEditor;
        QVERIFY(uitest::showActive(editor));
    }

    void cleanup()
    {
        delete editor.data();
        setEditorOpener({});
        setHelpOpener({});
        script.reset();
    }

    void freshEditor()
    {
        QCOMPARE(editor->windowTitle(), "Реєстраційна карта");
        QCOMPARE(editor->centralWidget()->size(), QSize(632, 406));
        QCOMPARE(editor->minimumSize(), editor->maximumSize());
        QVERIFY(editor->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!(editor->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(editor->pages()->currentWidget()->objectName(), "TabSheet1");
        QCOMPARE(uitest::focusName(), "ed5256");
        QVERIFY(!editor->action("N6")->isEnabled());
        QVERIFY(!editor->action("N8")->isEnabled());
        QVERIFY(!editor->isModified());
        QCOMPARE(editor->action("N2")->shortcut(), QKeySequence(Qt::Key_F1));

        auto *end = editor->find<QPushButton>("BitBtn1");
        auto *back = editor->find<QPushButton>("BitBtn2");
        auto *next = editor->find<QPushButton>("BitBtn3");
        QCOMPARE(end->size(), QSize(121, 25));
        QCOMPARE(end->text(), "&Кінець введення");
        QCOMPARE(end->palette().color(QPalette::ButtonText), QColor(Qt::red));
        QCOMPARE(back->size(), QSize(75, 25));
        QCOMPARE(next->text(), "Вперед");
        QCOMPARE(back->text(), "Назад");
        QCOMPARE(end->x(), 16);
        QCOMPARE(back->x(), 448);
        QCOMPARE(next->x(), 528);
        QCOMPARE(editor->find("Panel1")->height(), 38);

        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 400);
    }

    void pagesAreBuiltFromTheirRows()
    {
        QCOMPARE(editor->pages()->count(), 3);
        QCOMPARE(editor->find<LineEdit>("ed5256")->text(), "5");
        QCOMPARE(editor->find<LineEdit>("ed5256")->toolTip(), "5 - Відкрита\n4 - Конфіденційна");
        QCOMPARE(labelOf(editor->find("ed5256"))->text(), "5256. Особливі позначки");
        QVERIFY(editor->find<Memo>("mm9027")->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
        QCOMPARE(editor->find<QComboBox>("ed")->currentText(), "тис.грн.");
        QCOMPARE(textOf(editor->find("ed2457")), "        ");
        QCOMPARE(editor->find<QLabel>("Label30")->text(), "2457. Код організації");
        QCOMPARE(editor->find<QLabel>("Label30")->buddy(), editor->find("ed2457"));
        QCOMPARE(editor->find<RadioGroup>("Indjz")->itemIndex(), 0);
        QCOMPARE(editor->find<QSpinBox>("sp7200")->value(), 1);

        // A SameRow field stands to the right of the previous row's control.
        const QWidget *combo = editor->find("ed");
        const QWidget *fin = editor->find("fin");
        QCOMPARE(fin->mapTo(editor, QPoint()).y(), combo->mapTo(editor, QPoint()).y());
        QVERIFY(fin->mapTo(editor, QPoint()).x() > combo->mapTo(editor, QPoint()).x());

        editor->pages()->setCurrentIndex(2);
        QVERIFY(!editor->find("REG")->isVisible());
        QVERIFY(!labelOf(editor->find("REG"))->isVisible());
        QVERIFY(editor->find("ed6140")->isVisible());
    }

    void tabFromTheLastFieldGoesToThePanel()
    {
        editor->find("fin")->setFocus();
        uitest::tab();
        QCOMPARE(uitest::focusName(), "BitBtn3");
        uitest::tab();
        QCOMPARE(uitest::focusName(), "BitBtn2");
        uitest::tab();
        QCOMPARE(uitest::focusName(), "BitBtn1");
    }

    void stepsWrapAround()
    {
        QSignalSpy changes(editor->pages(), &QTabWidget::currentChanged);
        QPushButton *next = editor->find<QPushButton>("BitBtn3");
        QPushButton *back = editor->find<QPushButton>("BitBtn2");
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(editor->pages()->currentIndex(), 2);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(editor->pages()->currentIndex(), 0);
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(editor->pages()->currentIndex(), 2);
        QCOMPARE(changes.count(), 4);
    }

    void stepWaitsForTheFieldCheck()
    {
        auto *field = editor->find<LineEdit>("ed5256");
        editor->focusGuard().onExit(field, [field] {
            if (field->text() != "5") {
                dialogs().inform("Помилка в полі 5256");
                field->setFocus();
            }
        });
        field->setFocus();
        field->setText("7");
        QTest::mouseClick(editor->find("BitBtn3"), Qt::LeftButton);
        QCOMPARE(editor->pages()->currentIndex(), 0);
        QCOMPARE(uitest::focusName(), "ed5256");
        QCOMPARE(script->texts(), QStringList({"Помилка в полі 5256"}));

        field->setText("5");
        QTest::mouseClick(editor->find("BitBtn3"), Qt::LeftButton);
        QCOMPARE(editor->pages()->currentIndex(), 1);
    }

    void endOfInputGate()
    {
        QAction *save = editor->action("N6");
        QAction *print = editor->action("N8");
        auto release = [&] {
            QTest::mouseClick(editor->find("BitBtn1"), Qt::LeftButton);
            QVERIFY(save->isEnabled() && print->isEnabled());
        };

        // A field not marked changed does not lock.
        release();
        QWidget *plain = editor->find("ed7199");
        plain->setFocus();
        uitest::type(plain, "1");
        QVERIFY(save->isEnabled() && print->isEnabled());
        QVERIFY(editor->isModified()); // but it is a change of the card
        editor->setModified(false);

        // Every marked field locks again: an edit, a memo, a combo box.
        for (const char *name : {"ed7191", "mm9027", "ed"}) {
            release();
            QWidget *field = editor->find(name);
            field->setFocus();
            uitest::type(field, "Я");
            QVERIFY2(!save->isEnabled() && !print->isEnabled(), name);
            QVERIFY(editor->isModified());
        }

        // A masked field as well.
        release();
        editor->pages()->setCurrentIndex(1);
        QWidget *masked = editor->find("ed2457");
        masked->setFocus();
        uitest::type(masked, "1");
        QCOMPARE(textOf(masked), "1       ");
        QVERIFY(!save->isEnabled() && !print->isEnabled());
        editor->pages()->setCurrentIndex(0);

        // Arriving by Tab and pressing the button's accelerator are not typing.
        release();
        editor->find("ed7191")->setFocus();
        uitest::tab();
        QCOMPARE(uitest::focusName(), "mm9027");
        QTest::keyClick(editor->find("mm9027"), Qt::Key_Alt);
        QVERIFY(save->isEnabled() && print->isEnabled());
        save->setEnabled(false);
        const auto letterK = Qt::Key(QChar(u'К').unicode());
        QTest::sendKeyEvent(QTest::Press, editor->find("mm9027"), letterK, "к", Qt::AltModifier);
        QTest::sendKeyEvent(QTest::Release, editor->find("mm9027"), letterK, "к", Qt::AltModifier);
        QTRY_VERIFY(save->isEnabled() && print->isEnabled()); // the click is animated
        QCOMPARE(uitest::focusName(), "BitBtn1");

        // Pasting with the mouse counts like typing.
        release();
        QApplication::clipboard()->setText("22");
        editor->find<LineEdit>("ed7191")->clear();
        editor->find<LineEdit>("ed7191")->paste();
        QVERIFY(!save->isEnabled());
    }

    void questionAgainAfterACancelledSave()
    {
        makeChange();
        script->queueAnswer(Dialogs::Answer::Yes);
        script->queueSaveName(""); // the save dialog is cancelled
        script->queueAnswer(Dialogs::Answer::No);
        editor->action("N10")->trigger();

        QCOMPARE(script->count(ScriptedDialogs::Kind::Ask), 2);
        QCOMPARE(script->count(ScriptedDialogs::Kind::Save), 1);
        for (const auto &shown : script->shown()) {
            if (shown.kind == ScriptedDialogs::Kind::Ask) {
                QCOMPARE(shown.caption, "Реєстраційна карта");
                QCOMPARE(shown.text, "Зберегти зміни в картці?");
            }
        }
        QCOMPARE(script->pending(), 0);
        QTRY_VERIFY(!editor);
        QVERIFY(opened.isEmpty());
    }

    void yesSavesThisEditorsCard()
    {
        QPointer<TestEditor> other = new TestEditor;
        QVERIFY(uitest::showActive(other));
        makeChange();
        other->setModified(true);
        script->queueAnswer(Dialogs::Answer::Yes);
        script->queueSaveName("/tmp/card.txt");
        editor->action("N10")->trigger();
        QCOMPARE(script->count(ScriptedDialogs::Kind::Ask), 1);
        QTRY_VERIFY(!editor);
        QVERIFY(other);
        QVERIFY(other->saved.isEmpty());
        QVERIFY(other->isModified());
        delete other.data();
    }

    void cancelKeepsTheEditor()
    {
        makeChange();
        script->queueAnswer(Dialogs::Answer::Cancel);
        editor->action("N3")->trigger();
        script->queueAnswer(Dialogs::Answer::Cancel);
        editor->action("N10")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(editor && editor->isVisible());
        QVERIFY(editor->isModified());
        QCOMPARE(editor->find<LineEdit>("ed7191")->text(), "1");
        QVERIFY(opened.isEmpty());
        QCOMPARE(script->count(ScriptedDialogs::Kind::Ask), 2);
    }

    void closeBoxAsksLikeExit()
    {
        makeChange();
        script->queueAnswer(Dialogs::Answer::Cancel);
        QVERIFY(!editor->close());
        QVERIFY(editor->isVisible());

        script->queueAnswer(Dialogs::Answer::No);
        QVERIFY(editor->close());
        QTRY_VERIFY(!editor);
        QCOMPARE(script->count(ScriptedDialogs::Kind::Ask), 2);
    }

    void closeBoxWithoutChangesAsksNothing()
    {
        QVERIFY(editor->close());
        QTRY_VERIFY(!editor);
        QCOMPARE(script->shown().size(), 0);
    }

    void newOpensAFreshEditorOfTheSameKind()
    {
        bool closedFirst = false;
        setEditorOpener([&](CardKind kind) {
            opened << kind;
            closedFirst = editor && !editor->isVisible();
        });
        editor->action("N3")->trigger();
        QCOMPARE(opened, QList<CardKind>{CardKind::RK});
        QVERIFY(closedFirst);
        QCOMPARE(script->shown().size(), 0);
        QTRY_VERIFY(!editor);
    }

    void helpOpensAWindowEveryTime()
    {
        int helps = 0;
        setHelpOpener([&] { ++helps; });
        editor->action("N2")->trigger();
        editor->action("N2")->trigger();
        QCOMPARE(helps, 2);
    }

    void menuOfTheAccountingCard()
    {
        TestEditor ok(CardKind::OK);
        ok.setModified(true);
        script->queueAnswer(Dialogs::Answer::Cancel);
        ok.action("N5")->trigger();
        QCOMPARE(script->shown().value(0).caption, "Облікова картка НДР І ДКР");
    }

    // Only a key pressed and released in the same field while the editor is
    // active is typing there. The release of a key pressed in another field,
    // in a file dialog (Enter) or in the menu (Esc), which lands in the field
    // with the focus, changes nothing.
    void keysPressedElsewhereChangeNothing()
    {
        QAction *save = editor->action("N6");
        QWidget *field = editor->find("ed5256");
        QTemporaryDir folder;
        struct Case
        {
            const char *where;
            Qt::Key key;
            std::function<void()> press;
        };
        const QList<Case> cases = {
            {"another field", Qt::Key_Return,
             [&] {
                 QTest::sendKeyEvent(QTest::Press, editor->find("ed7191"), Qt::Key_Return, "\r",
                                     Qt::NoModifier);
             }},
            {"a file dialog", Qt::Key_Return,
             [&] {
                 QtDialogs screen;
                 Dialogs *scripted = setDialogs(&screen);
                 uitest::whenShown<QFileDialog>([&](QFileDialog *dialog) {
                     auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
                     name->setText(folder.filePath("card.txt"));
                     QTest::sendKeyEvent(QTest::Press, name, Qt::Key_Return, "\r", Qt::NoModifier);
                 });
                 save->trigger();
                 setDialogs(scripted);
                 QCOMPARE(editor->saved, QStringList{folder.filePath("card.txt")});
             }},
            {"the menu", Qt::Key_Escape,
             [&] {
                 const auto letterF = Qt::Key(QChar(u'Ф').unicode());
                 QTest::sendKeyEvent(QTest::Press, field, letterF, "ф", Qt::AltModifier);
                 QTest::sendKeyEvent(QTest::Release, field, letterF, "ф", Qt::AltModifier);
                 QWidget *menu = QApplication::activePopupWidget();
                 QVERIFY(menu);
                 QTest::sendKeyEvent(QTest::Press, menu, Qt::Key_Escape, "", Qt::NoModifier);
                 QTRY_VERIFY(!QApplication::activePopupWidget());
                 // The menu bar keeps the keys until a second Esc.
                 QWidget *bar = QApplication::focusWidget();
                 QVERIFY(qobject_cast<QMenuBar *>(bar));
                 QTest::sendKeyEvent(QTest::Release, bar, Qt::Key_Escape, "", Qt::NoModifier);
                 QTest::sendKeyEvent(QTest::Press, bar, Qt::Key_Escape, "", Qt::NoModifier);
             }},
        };
        for (const Case &shown : cases) {
            QTest::mouseClick(editor->find("BitBtn1"), Qt::LeftButton);
            field->setFocus();
            shown.press();
            // The window system gives the activation back to the editor.
            if (!editor->isActiveWindow())
                QVERIFY(uitest::showActive(editor));
            QVERIFY2(QApplication::focusWidget() == field, shown.where);
            QTest::sendKeyEvent(QTest::Release, field, shown.key, "", Qt::NoModifier);
            QVERIFY2(!editor->isModified() && save->isEnabled(), shown.where);
        }
        // Pressed and released in the field, the same key is typing.
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(editor->isModified() && !save->isEnabled());
    }

private:
    void makeChange()
    {
        QWidget *field = editor->find("ed7191");
        field->setFocus();
        uitest::type(field, "1");
        QVERIFY(editor->isModified());
    }

    std::unique_ptr<ScriptedDialogs> script;
    QPointer<TestEditor> editor;
    QList<CardKind> opened;
};

QTEST_MAIN(FrameTest)
#include "frmtemplate_test.moc"
