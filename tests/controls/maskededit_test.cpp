// Mouse clicks take the window system's road (window first, then widget), as
// real clicks do.
#define QTEST_QPA_MOUSE_HANDLING

#include "controls/maskededit.h"
#include "dialogs/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {
const QString kDate = QStringLiteral("99.99.99;1;_");
const QString kStateNumber = QStringLiteral("9999U999999;1;_");
const QString kRegNumber = QStringLiteral("AA99A99999A;1;_");
const QString kCode8 = QStringLiteral("99999999;1;_");
const QString kCode10 = QStringLiteral("9999999999;1;_");
const QString kCount = QStringLiteral("!9999;1; ");
const QString kCity = QStringLiteral(">LLLlccccccccccccccccccccccccc;0; ");

class RecordingDialogs final : public Dialogs
{
public:
    QStringList informed;
    int beeps = 0;

    void inform(const QString &text) override { informed.append(text); }
    Answer ask(const QString &, const QString &) override { return Answer::Cancel; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(const QString &) override { return {}; }
    void beep() override { ++beeps; }
};

// A small window: an edit line, the masked field, another edit line and a button.
struct Form
{
    QWidget window;
    QLineEdit *before = new QLineEdit(&window);
    MaskedEdit *edit;
    QLineEdit *after = new QLineEdit(&window);
    QPushButton *button = new QPushButton(QStringLiteral("Вперед"), &window);

    explicit Form(const QString &mask) : edit(new MaskedEdit(mask, &window))
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(edit);
        layout->addWidget(after);
        layout->addWidget(button);
    }

    bool open()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        before->setFocus();
        return before->hasFocus();
    }

    // Tab from the line before into the masked field, as a user would.
    void tabIn() { QTest::keyClick(before, Qt::Key_Tab); }

    void typeChar(QChar c)
    {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
};
} // namespace

class MaskedEditTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void typingDate();
    void enteringUntouchedField();
    void maskSwitchKeepsDigits();
    void programTextIsPlacedAndNeverCut();
    void backslashRefused();
    void outsideCodePageRefused();
    void pasting();
    void requiredPositionHoldsFocus();
    void fieldThatMayBeLeft();
    void rightAlignedCount();

private:
    RecordingDialogs recorder_;
    Dialogs *previous_ = nullptr;
};

void MaskedEditTest::initTestCase()
{
    previous_ = setDialogs(&recorder_);
}

void MaskedEditTest::init()
{
    recorder_.informed.clear();
    recorder_.beeps = 0;
    QGuiApplication::clipboard()->clear();
}

void MaskedEditTest::cleanupTestCase()
{
    setDialogs(previous_);
}

void MaskedEditTest::typingDate()
{
    Form form(kDate);
    QVERIFY(form.open());
    QSignalSpy edited(form.edit, &QLineEdit::textEdited);
    QSignalSpy released(form.edit, &MaskedEdit::keyReleased);

    form.tabIn();
    QVERIFY(form.edit->hasFocus());
    QCOMPARE(form.edit->text(), QStringLiteral("  .  .  "));
    QCOMPARE(form.edit->displayText(), QStringLiteral("__.__.__"));

    QTest::keyClicks(form.edit, QStringLiteral("1203"));
    QCOMPARE(form.edit->text(), QStringLiteral("12.03.  "));
    QCOMPARE(form.edit->displayText(), QStringLiteral("12.03.__"));
    QCOMPARE(edited.size(), 4);
    QCOMPARE(edited.last().at(0).toString(), QStringLiteral("12.03.  "));
    QVERIFY(form.edit->isEdited());

    QTest::keyClick(form.edit, Qt::Key_Backspace);
    QCOMPARE(form.edit->text(), QStringLiteral("12.0 .  "));
    QTest::keyClicks(form.edit, QStringLiteral("405"));
    QCOMPARE(form.edit->text(), QStringLiteral("12.04.05"));

    // A letter is refused with a beep; so is a digit past the last position.
    QTest::keyClicks(form.edit, QStringLiteral("x"));
    QTest::keyClick(form.edit, Qt::Key_Home);
    QTest::keyClicks(form.edit, QStringLiteral("b"));
    QCOMPARE(form.edit->text(), QStringLiteral("12.04.05"));
    QCOMPARE(recorder_.beeps, 2);

    // Delete empties the position after the cursor; the rest stays in place.
    QTest::keyClick(form.edit, Qt::Key_Delete);
    QCOMPARE(form.edit->text(), QStringLiteral(" 2.04.05"));
    // Typing over a selection empties it first.
    QTest::keyClick(form.edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(form.edit, QStringLiteral("3"));
    QCOMPARE(form.edit->text(), QStringLiteral("3 .  .  "));

    // Every key released is reported, refused ones and modifiers included.
    QCOMPARE(released.size(), 4 + 1 + 3 + 1 + 1 + 1 + 1 + 2 + 1);
}

void MaskedEditTest::enteringUntouchedField()
{
    Form form(kStateNumber);
    QVERIFY(form.open());

    // A click at the far end of an untouched field still starts at its first position.
    QTest::mouseClick(form.edit, Qt::LeftButton, {},
                      QPoint(form.edit->width() - 4, form.edit->height() / 2));
    QVERIFY(form.edit->hasFocus());
    QCOMPARE(form.edit->cursorPosition(), 0);
    QTest::keyClicks(form.edit, QStringLiteral("12345"));
    QCOMPARE(form.edit->text(), QStringLiteral("1234U5     "));

    // Tabbing into a filled field selects it, so typing replaces the value.
    QTest::keyClick(form.edit, Qt::Key_Tab);
    QVERIFY(form.after->hasFocus());
    QTest::keyClick(form.after, Qt::Key_Backtab);
    QVERIFY(form.edit->hasFocus());
    QVERIFY(form.edit->hasSelectedText());
    QTest::keyClicks(form.edit, QStringLiteral("9"));
    QCOMPARE(form.edit->text(), QStringLiteral("9   U      "));

    // A field emptied by the program is untouched again.
    form.edit->clear();
    QTest::keyClick(form.edit, Qt::Key_Tab);
    QTest::keyClick(form.after, Qt::Key_Backtab);
    QCOMPARE(form.edit->cursorPosition(), 0);
    QVERIFY(!form.edit->hasSelectedText());
}

void MaskedEditTest::maskSwitchKeepsDigits()
{
    Form form(kCode8);
    QVERIFY(form.open());
    form.tabIn();
    QTest::keyClicks(form.edit, QStringLiteral("1234"));

    QSignalSpy changed(form.edit, &QLineEdit::textChanged);
    form.edit->setEditMask(kCode10);
    QCOMPARE(form.edit->text(), QStringLiteral("1234      "));
    QCOMPARE(form.edit->displayText(), QStringLiteral("1234______"));
    QCOMPARE(changed.size(), 1);
    QTest::keyClicks(form.edit, QStringLiteral("567890"));
    QCOMPARE(form.edit->text(), QStringLiteral("1234567890"));

    changed.clear();
    form.edit->setEditMask(kCode8);
    QCOMPARE(form.edit->text(), QStringLiteral("12345678"));
    form.edit->setEditMask(kCode8);
    QCOMPARE(form.edit->text(), QStringLiteral("12345678"));
    QCOMPARE(changed.size(), 1);

    // An empty code switches to an empty code of the other length.
    form.edit->clear();
    form.edit->setEditMask(kCode10);
    QCOMPARE(form.edit->text(), QString(10, QLatin1Char(' ')));
}

void MaskedEditTest::programTextIsPlacedAndNeverCut()
{
    // Without a mask the maximum length limits typing, never the program.
    MaskedEdit plain;
    plain.setMaxLength(5);
    const QString longValue = QStringLiteral("вул. Хрещатик, 22, кв. 1");
    plain.setText(longValue);
    QCOMPARE(plain.text(), longValue);
    plain.setText(QStringLiteral("1234"));
    plain.setCursorPosition(4);
    QTest::keyClicks(&plain, QStringLiteral("56"));
    QCOMPARE(plain.text(), QStringLiteral("12345"));
    QCOMPARE(recorder_.beeps, 1);

    Form form(kDate);
    QSignalSpy changed(form.edit, &QLineEdit::textChanged);
    form.edit->setText(QStringLiteral("12.03.05"));
    QCOMPARE(form.edit->text(), QStringLiteral("12.03.05"));
    QVERIFY(!form.edit->isEdited());
    // The trimmed text a card's key handler puts back leaves the field as it is.
    form.edit->setText(QStringLiteral("12.03.05").trimmed());
    form.edit->setText(QStringLiteral("12.03.  ").trimmed());
    QCOMPARE(form.edit->text(), QStringLiteral("12.03.  "));
    QCOMPARE(changed.size(), 2);

    // Through a QLineEdit* the text still goes through the mask; reading it
    // that way gives what the field shows, not what it holds.
    QLineEdit *asLineEdit = form.edit;
    asLineEdit->setText(QStringLiteral("01.02.03"));
    QCOMPARE(form.edit->text(), QStringLiteral("01.02.03"));
    asLineEdit->clear();
    QCOMPARE(form.edit->text(), QStringLiteral("  .  .  "));
    QCOMPARE(asLineEdit->text(), QStringLiteral("__.__.__"));
    // The text property is the field's own, for code that only knows a QObject.
    QObject *asObject = form.edit;
    asObject->setProperty("text", QStringLiteral("0203"));
    QCOMPARE(asObject->property("text").toString(), QStringLiteral("02.03.  "));
}

void MaskedEditTest::backslashRefused()
{
    Form form(kCity);
    QVERIFY(form.open());
    form.tabIn();
    QTest::keyClicks(form.edit, QStringLiteral("Rom\\a"));
    QCOMPARE(form.edit->text(), QStringLiteral("ROMA").leftJustified(29));
    QCOMPARE(recorder_.beeps, 1);

    QGuiApplication::clipboard()->setText(QStringLiteral("a\\b"));
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.edit->text(), QStringLiteral("ROMA").leftJustified(29));
    QCOMPARE(recorder_.beeps, 2);

    MaskedEdit plain;
    plain.setMaxLength(30);
    QTest::keyClicks(&plain, QStringLiteral("a\\b"));
    QCOMPARE(plain.text(), QStringLiteral("ab"));
    QTest::keyClick(&plain, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(plain.text(), QStringLiteral("ab"));
    QCOMPARE(recorder_.beeps, 4);
}

void MaskedEditTest::outsideCodePageRefused()
{
    const QChar aUmlaut(0x00E4);
    Form form(kCity);
    QVERIFY(form.open());
    form.tabIn();
    for (const QChar c : QStringLiteral("ївa"))
        form.typeChar(c);
    form.typeChar(aUmlaut);
    QCOMPARE(form.edit->text(), (QStringLiteral("ЇВ") + QLatin1Char('A')).leftJustified(29));
    QCOMPARE(recorder_.beeps, 1);

    MaskedEdit plain;
    plain.setMaxLength(10);
    QTest::sendKeyEvent(QTest::Click, &plain, Qt::Key_unknown, QString(aUmlaut), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, &plain, Qt::Key_unknown, QStringLiteral("є"), Qt::NoModifier);
    QCOMPARE(plain.text(), QStringLiteral("є"));
    QGuiApplication::clipboard()->setText(QStringLiteral("x") + aUmlaut);
    QTest::keyClick(&plain, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(plain.text(), QStringLiteral("є"));
    QCOMPARE(recorder_.beeps, 3);
}

void MaskedEditTest::pasting()
{
    Form form(kDate);
    QVERIFY(form.open());
    form.tabIn();
    QGuiApplication::clipboard()->setText(QStringLiteral("12.03.05\r\nsecond line"));
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.edit->text(), QStringLiteral("12.03.05"));
    QCOMPARE(recorder_.beeps, 0);

    // A value that does not fit is refused whole.
    QGuiApplication::clipboard()->setText(QStringLiteral("1234567890"));
    form.edit->setEditMask(kCode8);
    form.edit->clear();
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.edit->text(), QString(8, QLatin1Char(' ')));
    QCOMPARE(recorder_.beeps, 1);
    form.edit->setEditMask(kCode10);
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.edit->text(), QStringLiteral("1234567890"));

    // Cut takes the selected positions out and leaves them empty.
    form.edit->setSelection(2, 3);
    QTest::keyClick(form.edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("345"));
    QCOMPARE(form.edit->text(), QStringLiteral("12   67890"));
    QVERIFY(form.edit->isEdited());
}

void MaskedEditTest::requiredPositionHoldsFocus()
{
    Form form(kRegNumber);
    QVERIFY(form.open());
    QSignalSpy clicked(form.button, &QPushButton::clicked);
    form.tabIn();
    QTest::keyClicks(form.edit, QStringLiteral("U1"));

    QTest::keyClick(form.edit, Qt::Key_Tab);
    QVERIFY(form.edit->hasFocus());
    QCOMPARE(recorder_.informed, QStringList{MaskedEdit::incompleteMessage()});

    QTest::keyClick(form.edit, Qt::Key_Backtab);
    QVERIFY(form.edit->hasFocus());
    QTest::mouseClick(form.after, Qt::LeftButton);
    QVERIFY(form.edit->hasFocus());
    QTest::mouseClick(form.button, Qt::LeftButton);
    QVERIFY(form.edit->hasFocus());
    // The button's accelerator is a way out as well.
    form.button->setText(QStringLiteral("&Кінець введення"));
    QTest::sendKeyEvent(QTest::Click, form.edit, Qt::Key(QChar(u'К').unicode()), QString(),
                        Qt::AltModifier);
    QVERIFY(form.edit->hasFocus());
    QCOMPARE(clicked.size(), 0);
    // Ctrl+PgDn would turn the page of a page control holding the field.
    QTest::keyClick(form.edit, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(recorder_.informed.size(), 6);

    // The digits may stay blank; the four letter-or-digit positions may not.
    QTest::keyClicks(form.edit, QStringLiteral("  U     B"));
    QCOMPARE(form.edit->text(), QStringLiteral("U1  U     B"));
    QTest::keyClick(form.edit, Qt::Key_End);
    QTest::keyClick(form.edit, Qt::Key_Backspace);
    QTest::keyClick(form.edit, Qt::Key_Tab);
    QVERIFY(form.edit->hasFocus());
    QTest::keyClicks(form.edit, QStringLiteral("7"));
    QCOMPARE(form.edit->text(), QStringLiteral("U1  U     7"));
    QTest::mouseClick(form.button, Qt::LeftButton);
    QCOMPARE(clicked.size(), 1);
    QVERIFY(form.button->hasFocus());
    QCOMPARE(recorder_.informed.size(), 7);
}

void MaskedEditTest::fieldThatMayBeLeft()
{
    Form form(kRegNumber);
    QVERIFY(form.open());

    // Untouched: Tab passes through.
    form.tabIn();
    QTest::keyClick(form.edit, Qt::Key_Tab);
    QVERIFY(form.after->hasFocus());

    // Emptied again by the user: nothing is left half-typed.
    QTest::keyClick(form.after, Qt::Key_Backtab);
    QTest::keyClicks(form.edit, QStringLiteral("UA"));
    QTest::keyClick(form.edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form.edit, Qt::Key_Delete);
    QTest::keyClick(form.edit, Qt::Key_Tab);
    QVERIFY(form.after->hasFocus());

    // A partial value the program put there is not the user's edit.
    form.edit->setText(QStringLiteral("UA12"));
    QTest::keyClick(form.after, Qt::Key_Backtab);
    QTest::keyClick(form.edit, Qt::Key_Tab);
    QVERIFY(form.after->hasFocus());

    // Hiding a half-typed field moves the focus on without a message.
    QTest::keyClick(form.after, Qt::Key_Backtab);
    form.edit->setText(QString());
    QTest::keyClicks(form.edit, QStringLiteral("UA1"));
    form.edit->hide();
    QVERIFY(!form.edit->hasFocus());
    QVERIFY(recorder_.informed.isEmpty());
}

void MaskedEditTest::rightAlignedCount()
{
    Form form(kCount);
    QVERIFY(form.open());
    form.tabIn();
    QTest::keyClicks(form.edit, QStringLiteral("12"));
    QCOMPARE(form.edit->text(), QStringLiteral("  12"));
    QCOMPARE(form.edit->displayText(), QStringLiteral("12  "));
    QTest::keyClick(form.edit, Qt::Key_Tab);
    QCOMPARE(form.edit->displayText(), QStringLiteral("  12"));
    QCOMPARE(form.edit->text(), QStringLiteral("  12"));

    form.edit->setText(QStringLiteral("7"));
    QCOMPARE(form.edit->text(), QStringLiteral("   7"));
}

QTEST_MAIN(MaskedEditTest)
#include "maskededit_test.moc"
