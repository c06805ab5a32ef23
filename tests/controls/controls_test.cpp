#include "controls/combobox.h"
#include "controls/controltext.h"
#include "controls/lineedit.h"
#include "controls/memo.h"
#include "controls/radiogroup.h"
#include "dialogs/scripteddialogs.h"
#include "frame/deferredtexts.h"
#include "frame/inputgate.h"
#include "support/uitest.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

class ControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        script = std::make_unique<ScriptedDialogs>();
        script->install();
        window = std::make_unique<QWidget>();
        auto *column = new QVBoxLayout(window.get());
        memo = new Memo(window.get());
        scrollMemo = new Memo(window.get());
        scrollMemo->setScrollBar(true);
        edit = new LineEdit(window.get());
        combo = new ComboBox(window.get());
        combo->addItems({"Юридична особа", "Фізична особа"});
        for (QWidget *w : std::initializer_list<QWidget *>{memo, scrollMemo, edit, combo})
            column->addWidget(w);
        QVERIFY(uitest::showActive(window.get()));
    }

    void cleanup()
    {
        window.reset();
        script.reset();
    }

    void enterDoesNotBreakAMemoLine()
    {
        for (Memo *m : {memo, scrollMemo}) {
            m->setFocus();
            QTest::keyClicks(m, "ab");
            QTest::keyClick(m, Qt::Key_Return);
            QTest::keyClick(m, Qt::Key_Enter);
            QTest::keyClick(m, Qt::Key_Return, Qt::ShiftModifier);
            QTest::keyClick(m, Qt::Key_Return, Qt::ControlModifier);
            QTest::keyClicks(m, "c");
            QCOMPARE(m->text(), "abc");
            QCOMPARE(m->blockCount(), 1);
        }
        // Tab goes on to the next control instead of into the text.
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_Tab);
        QCOMPARE(memo->text(), "abc");
        QCOMPARE(QApplication::focusWidget(), scrollMemo);
    }

    void memoLineBreaksAreThoseOfTheCardFile()
    {
        memo->setText("one\r\ntwo\nthree\rfour");
        QCOMPARE(memo->blockCount(), 4);
        QCOMPARE(memo->text(), "one\r\ntwo\r\nthree\r\nfour");

        // A pasted text with Windows line ends gets no empty lines.
        memo->clear();
        auto *data = new QMimeData;
        data->setText("x\r\ny");
        QApplication::clipboard()->setMimeData(data);
        memo->paste();
        QCOMPARE(memo->text(), "x\r\ny");
    }

    // A memo off screen keeps its text aside until it is shown; what it gives
    // back meanwhile is what it gives back once the text is laid out.
    void hiddenMemoGivesBackWhatAShownOneWould()
    {
        const QString text = u"one\r\ntwo\nthree\rfour\u00a0five\u2029six"_s;
        memo->setText(text);
        const QString shown = memo->text();
        QCOMPARE(shown, u"one\r\ntwo\r\nthree\r\nfour\u00a0five\r\nsix"_s);

        Memo hidden;
        hidden.setText(text);
        QCOMPARE(hidden.text(), shown);
        hidden.show();
        QCOMPARE(hidden.blockCount(), 5);
        QCOMPARE(hidden.text(), shown);

        // Cleared while hidden, it stays empty when shown; a later text wins.
        hidden.hide();
        hidden.setText(u"x"_s);
        hidden.clear();
        QCOMPARE(hidden.text(), QString());
        hidden.setText(u"y"_s);
        hidden.setText(u"z"_s);
        hidden.show();
        QCOMPARE(hidden.toPlainText(), u"z"_s);
    }

    // While a card is read, plain edit lines get their last text only once;
    // until then it reads back from where it waits. Other controls are not
    // held, and a control gone meanwhile is skipped.
    void editLineTextsWaitForTheEndOfReading()
    {
        auto *gone = new LineEdit(window.get());
        {
            DeferredTexts deferred;
            QVERIFY(deferred.hold(edit, u"first"_s));
            QVERIFY(deferred.hold(edit, u"second"_s));
            QVERIFY(deferred.hold(gone, u"x"_s));
            QVERIFY(!deferred.hold(memo, u"memo"_s));
            QVERIFY(!deferred.hold(combo, u"Фізична особа"_s));
            QCOMPARE(deferred.held(edit), u"second"_s);
            QCOMPARE(deferred.held(memo), std::nullopt);
            QCOMPARE(edit->text(), QString());
            delete gone;
        }
        QCOMPARE(edit->text(), u"second"_s);
    }

    void refusedCharactersAreNeitherTypedNorPasted_data()
    {
        QTest::addColumn<QString>("refused");
        QTest::newRow("separator") << "\\";
        QTest::newRow("outside the code page") << "ω";
    }

    void refusedCharactersAreNeitherTypedNorPasted()
    {
        QFETCH(QString, refused);
        const QList<QWidget *> fields{memo, edit, combo};
        for (QWidget *field : fields) {
            setTextOf(field, "");
            field->setFocus();
            uitest::type(field, "Ї" + refused + "№");
            QCOMPARE(textOf(field), "Ї№");

            QApplication::clipboard()->setText("a" + refused + "b");
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(textOf(field), "Ї№");
        }
        // The context menu's paste reaches the edit without a key.
        edit->paste();
        combo->lineEdit()->paste();
        memo->paste();
        QCOMPARE(textOf(edit), "Ї№");
        QCOMPARE(textOf(combo), "Ї№");
        QCOMPARE(textOf(memo), "Ї№");
        QCOMPARE(script->count(ScriptedDialogs::Kind::Beep), 9);

        // What the code page holds goes in.
        QApplication::clipboard()->setText("ґ€");
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), "Ї№ґ€");

        // A single-line field takes lines and control characters as blanks,
        // pasted or put in by the program; a memo keeps its line breaks.
        edit->setText(QString());
        QApplication::clipboard()->setText("a\r\nb\tc");
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), "a  b c");
        setTextOf(combo, "d\ne");
        QCOMPARE(textOf(combo), "d e");
        setTextOf(memo, "d\r\ne");
        QCOMPARE(textOf(memo), "d\r\ne");
    }

    void programTextIsNotCutByTheLimit()
    {
        edit->setInputLimit(2);
        edit->setFocus();
        QTest::keyClicks(edit, "abc");
        QCOMPARE(edit->text(), "ab");

        edit->setText("12345");
        QCOMPARE(edit->text(), "12345");
        setTextOf(edit, "123456");
        QCOMPARE(textOf(edit), "123456");
        // Once the user has shortened it to the limit, the limit holds again.
        edit->end(false);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, "xy");
        QCOMPARE(edit->text(), "12");

        combo->setInputLimit(3);
        combo->setText("Юридична особа");
        QCOMPARE(combo->text(), "Юридична особа");
        combo->setText("");
        QTest::keyClicks(combo, "abcd");
        QCOMPARE(combo->text(), "abc");
    }

    void comboLooksUpItemsRegardlessOfCase()
    {
        QCOMPARE(combo->indexOfText("фізична ОСОБА"), 1);
        QCOMPARE(combo->indexOfText("Юридична особа"), 0);
        QCOMPARE(combo->indexOfText("Юридична"), -1);
        QVERIFY(!combo->hasItem(""));
        // Typing a text that is not an item keeps it, and adds no item.
        combo->setText("");
        uitest::type(combo, "інша");
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(combo->text(), "інша");
        QCOMPARE(combo->count(), 2);
    }

    void radioGroupRunsItsClickHandlerOnEveryChange()
    {
        RadioGroup group("Мова", {"українська ", "російська", "англійська"});
        QSignalSpy clicks(&group, &RadioGroup::itemClicked);
        group.setItemIndex(0);
        group.setItemIndex(2);
        group.setItemIndex(2); // no change, no click
        group.setItemIndex(-1);
        group.setItemIndex(7); // out of range, ignored
        QCOMPARE(clicks.count(), 3);
        QCOMPARE(clicks.at(0).at(0).toInt(), 0);
        QCOMPARE(clicks.at(1).at(0).toInt(), 2);
        QCOMPARE(clicks.at(2).at(0).toInt(), -1);
        QCOMPARE(group.itemIndex(), -1);

        group.show();
        QTest::mouseClick(group.button(1), Qt::LeftButton);
        QCOMPARE(group.itemIndex(), 1);
        QCOMPARE(clicks.count(), 4);
        // Three items in three columns stand in one row.
        QCOMPARE(group.button(0)->y(), group.button(2)->y());
        QVERIFY(group.button(0)->x() < group.button(1)->x());
    }

    void clearingACardResetsItsFields()
    {
        auto *masked = new QLineEdit(window.get());
        memo->setText("m");
        edit->setText("e");
        combo->setText("x");
        RadioGroup *group = new RadioGroup("g", {"a", "b"}, 3, window.get());
        group->setItemIndex(1);
        clearControls(window.get());
        QCOMPARE(memo->text(), "");
        QCOMPARE(edit->text(), "");
        QCOMPARE(combo->text(), "Юридична особа");
        QCOMPARE(group->itemIndex(), 1);
        QCOMPARE(masked->text(), "");
    }

    void trimmingAfterEveryKey()
    {
        trimOnKey(edit);
        edit->setFocus();
        QTest::keyClicks(edit, "  12 ");
        QCOMPARE(edit->text(), "12");
        edit->setText("1234");
        edit->setCursorPosition(2);
        QTest::keyClick(edit, Qt::Key_Space);
        QCOMPARE(edit->text(), "12 34"); // a blank inside stays
        edit->setText("  34");
        edit->setCursorPosition(2);
        QTest::keyClicks(edit, "5");
        QCOMPARE(edit->text(), "534");
        QCOMPARE(edit->cursorPosition(), 1);
    }

private:
    std::unique_ptr<ScriptedDialogs> script;
    std::unique_ptr<QWidget> window;
    Memo *memo;
    Memo *scrollMemo;
    LineEdit *edit;
    ComboBox *combo;
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
