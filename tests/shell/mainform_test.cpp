#include "cardfile/cardkind.h"
#include "dialogs/scripteddialogs.h"
#include "frame/editorregistry.h"
#include "shell/embossedbutton.h"
#include "shell/mainform.h"
#include "support/fakeeditor.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Answer = Dialogs::Answer;

namespace {
const QString question = QStringLiteral("Зберегти зміни в картці?");

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

FakeEditor *fake(QWidget *editor)
{
    return qobject_cast<FakeEditor *>(editor);
}

// Alt+letter (or the bare letter) as the keyboard delivers it to a window.
void pressLetter(QWidget *window, QChar letter, Qt::KeyboardModifiers modifiers)
{
    const auto key = static_cast<Qt::Key>(letter.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Press, window, key, QString(letter), modifiers);
    QTest::sendKeyEvent(QTest::Release, window, key, QString(letter), modifiers);
}
} // namespace

class MainFormTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void exitWithoutEditorsEndsAtOnce();
    void exitAsksAboutEveryUnsavedEditorInKindOrder();
    void cancelledSaveAsksAgainAndNoIsNotAskedAgain();
    void cancelStopsTheExitAndClosesNothing();
    void closedEditorIsNotAskedAbout();
    void eachChoiceOpensAFreshEditor();
    void closeBoxAsksLikeExit();
    void markedLettersOpenNothing();
    void editorsNewAndKindsWithoutEditor();

private:
    // Answers to the next questions, and file names for the save dialogs.
    void script(const QList<Answer> &replies, const QStringList &saveNames = {})
    {
        for (Answer reply : replies)
            answers->queueAnswer(reply);
        for (const QString &name : saveNames)
            answers->queueSaveName(name);
    }
    QList<ScriptedDialogs::Shown> questions() const
    {
        QList<ScriptedDialogs::Shown> asked;
        for (const ScriptedDialogs::Shown &shown : answers->shown())
            if (shown.kind == ScriptedDialogs::Kind::Ask)
                asked.append(shown);
        return asked;
    }

    std::unique_ptr<TMainForm> form;
    std::unique_ptr<ScriptedDialogs> answers;
    QTemporaryDir folder;
};

void MainFormTest::initTestCase()
{
    // The test drives several main windows in turn without an event loop.
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(folder.isValid());
}

void MainFormTest::init()
{
    FakeEditor::registerAll();
    FakeEditor::journal.clear();
    answers = std::make_unique<ScriptedDialogs>();
    answers->install();
    form = std::make_unique<TMainForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void MainFormTest::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *editor = fake(window)) {
            editor->setModified(false);
            editor->close();
        }
    }
    form.reset();
    flushDeletes();
    answers.reset();
    FakeEditor::unregisterAll();
}

void MainFormTest::exitWithoutEditorsEndsAtOnce()
{
    QTest::mouseClick(form->LabelEffect10, Qt::LeftButton);
    QVERIFY(questions().isEmpty());
    QVERIFY(!form->isVisible());
}

void MainFormTest::exitAsksAboutEveryUnsavedEditorInKindOrder()
{
    // Opened in a mixed order; RK3 has nothing unsaved.
    QList<QWidget *> opened;
    for (CardKind kind :
         {CardKind::RK, CardKind::OK, CardKind::OKD, CardKind::RK, CardKind::OKD, CardKind::RK})
        opened.append(form->openCard(kind));
    for (QWidget *editor : opened)
        fake(editor)->setModified(editor->objectName() != QLatin1String("RK3"));
    QList<QPointer<QWidget>> watched(opened.cbegin(), opened.cend());

    const QString okd2 = folder.filePath(QStringLiteral("okd2.txt"));
    const QString ok1 = folder.filePath(QStringLiteral("ok1.txt"));
    const QString rk1 = folder.filePath(QStringLiteral("rk1.txt"));
    script({Answer::Yes, Answer::No, Answer::Yes, Answer::No, Answer::Yes}, {okd2, ok1, rk1});

    QTest::mouseClick(form->LabelEffect10, Qt::LeftButton);

    const QList<CardKind> expectedKinds = {CardKind::OKD, CardKind::OKD, CardKind::OK, CardKind::RK,
                                           CardKind::RK};
    QCOMPARE(questions().size(), expectedKinds.size());
    for (int i = 0; i < expectedKinds.size(); ++i) {
        QCOMPARE(questions()[i].caption, questionCaption(expectedKinds[i]));
        QCOMPARE(questions()[i].text, question);
    }
    // Newest first within a kind: the Yes answers saved OKD2, OK1 and RK1.
    const QStringList saves = FakeEditor::journal.filter(QStringLiteral(" saved "));
    QCOMPARE(saves,
             (QStringList{QStringLiteral("OKD2 saved ") + okd2, QStringLiteral("OK1 saved ") + ok1,
                          QStringLiteral("RK1 saved ") + rk1}));
    QCOMPARE(answers->pending(), 0);

    // Then everything closes without further questions and the window is gone.
    QVERIFY(!form->isVisible());
    QCOMPARE(FakeEditor::journal.filter(QStringLiteral(" closed")).size(), opened.size());
    flushDeletes();
    for (const QPointer<QWidget> &editor : watched)
        QVERIFY(editor.isNull());
}

void MainFormTest::cancelledSaveAsksAgainAndNoIsNotAskedAgain()
{
    QWidget *saved = form->openCard(CardKind::RK);
    QWidget *dropped = form->openCard(CardKind::OK);
    fake(saved)->setModified(true);
    fake(dropped)->setModified(true);

    // OK: No; RK: Yes with the save dialog cancelled, asked again, Yes and saved.
    const QString path = folder.filePath(QStringLiteral("again.txt"));
    script({Answer::No, Answer::Yes, Answer::Yes}, {QString(), path});
    form->exitProgram();

    QCOMPARE(questions().size(), 3);
    QCOMPARE(questions()[0].caption, questionCaption(CardKind::OK));
    QCOMPARE(questions()[1].caption, questionCaption(CardKind::RK));
    QCOMPARE(questions()[2].caption, questionCaption(CardKind::RK));
    QCOMPARE(
        FakeEditor::journal.filter(QStringLiteral("RK1 save")),
        (QStringList{QStringLiteral("RK1 save cancelled"), QStringLiteral("RK1 saved ") + path}));
    QVERIFY(FakeEditor::journal.filter(QStringLiteral("OK1 save")).isEmpty());
    QVERIFY(QFile::exists(path));
    QVERIFY(!form->isVisible());
}

void MainFormTest::cancelStopsTheExitAndClosesNothing()
{
    QList<QWidget *> opened;
    for (CardKind kind : {CardKind::RK, CardKind::OK, CardKind::OKD}) {
        opened.append(form->openCard(kind));
        fake(opened.last())->setModified(true);
    }
    script({Answer::Cancel});
    QTest::mouseClick(form->LabelEffect10, Qt::LeftButton);

    QCOMPARE(questions().size(), 1);
    QCOMPARE(questions()[0].caption, questionCaption(CardKind::OKD));
    QVERIFY(form->isVisible());
    for (QWidget *editor : opened) {
        QVERIFY(editor->isVisible());
        QVERIFY(fake(editor)->isModified());
    }
    QVERIFY(FakeEditor::journal.isEmpty());
    QCOMPARE(form->openEditors(), opened);
}

void MainFormTest::closedEditorIsNotAskedAbout()
{
    QWidget *closedOne = form->openCard(CardKind::RK);
    QPointer<QWidget> watch(closedOne);
    fake(closedOne)->setModified(true);
    QWidget *kept = form->openCard(CardKind::OK);

    // Its own close box asks; the changes are abandoned there.
    script({Answer::No});
    closedOne->close();
    QCOMPARE(questions().size(), 1);
    QCOMPARE(form->latestEditor(CardKind::RK), nullptr);
    QCOMPARE(form->openEditors(), QList<QWidget *>{kept});

    // Also once it is really gone, and when it was closed while unsaved.
    flushDeletes();
    QVERIFY(watch.isNull());
    form->exitProgram();
    QCOMPARE(questions().size(), 1);
    QVERIFY(!form->isVisible());
}

void MainFormTest::eachChoiceOpensAFreshEditor()
{
    QTest::mouseClick(form->LabelEffect5, Qt::LeftButton);
    QTest::mouseClick(form->LabelEffect5, Qt::LeftButton);
    const QList<QWidget *> editors = form->openEditors();
    QCOMPARE(editors.size(), 2);
    QVERIFY(editors[0] != editors[1]);
    for (QWidget *editor : editors) {
        QVERIFY(editor->isVisible());
        QVERIFY(!editor->isModal());
        QCOMPARE(fake(editor)->cardKind(), CardKind::RK);
    }
    QCOMPARE(form->latestEditor(CardKind::RK), editors[1]);
    QCOMPARE(form->latestEditor(CardKind::OK), nullptr);
    QVERIFY(form->isVisible());

    QTest::mouseClick(form->LabelEffect4, Qt::LeftButton);
    QTest::mouseClick(form->LabelEffect3, Qt::LeftButton);
    QCOMPARE(fake(form->latestEditor(CardKind::OK))->cardKind(), CardKind::OK);
    QCOMPARE(fake(form->latestEditor(CardKind::OKD))->cardKind(), CardKind::OKD);

    // Both RK editors are asked about, the newer one first.
    fake(editors[0])->setModified(true);
    fake(editors[1])->setModified(true);
    script({Answer::Yes, Answer::No}, {folder.filePath(QStringLiteral("newer.txt"))});
    QTest::mouseClick(form->LabelEffect10, Qt::LeftButton);
    QCOMPARE(questions().size(), 2);
    QCOMPARE(FakeEditor::journal.filter(QStringLiteral(" saved ")).size(), 1);
    QVERIFY(FakeEditor::journal.filter(QStringLiteral(" saved "))[0].startsWith(
        editors[1]->objectName() + QLatin1Char(' ')));
    QVERIFY(!form->isVisible());
}

void MainFormTest::closeBoxAsksLikeExit()
{
    QWidget *editor = form->openCard(CardKind::OK);
    fake(editor)->setModified(true);

    script({Answer::Cancel});
    QVERIFY(!form->close());
    QCOMPARE(questions().size(), 1);
    QCOMPARE(questions()[0].caption, questionCaption(CardKind::OK));
    QVERIFY(form->isVisible() && editor->isVisible());

    script({Answer::No});
    QVERIFY(form->close());
    QCOMPARE(questions().size(), 2);
    QVERIFY(!editor->isVisible());
    QCOMPARE(answers->pending(), 0);
}

void MainFormTest::markedLettersOpenNothing()
{
    // The same key delivery does reach a real mnemonic: a button marked "&Ж"
    // in a window of its own is pressed by Alt+Ж.
    QWidget probe;
    auto *button = new QPushButton(QStringLiteral("&Жовтий"), &probe);
    int pressed = 0;
    connect(button, &QPushButton::clicked, &probe, [&pressed] { ++pressed; });
    probe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));
    probe.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&probe));
    pressLetter(&probe, QChar(u'ж'), Qt::AltModifier);
    // A button answers its mnemonic a moment later, as if pressed.
    QTRY_VERIFY(pressed > 0);
    probe.close();

    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    for (QChar letter : QStringLiteral("рокРОКд")) {
        pressLetter(form.get(), letter, Qt::AltModifier);
        pressLetter(form.get(), letter, Qt::NoModifier);
    }
    QTest::qWait(300);
    QVERIFY(form->openEditors().isEmpty());
    QVERIFY(form->isVisible());
    QVERIFY(questions().isEmpty());
}

void MainFormTest::editorsNewAndKindsWithoutEditor()
{
    QWidget *first = form->openCard(CardKind::OKD);
    // What an editor's "Новий" does after it has closed itself.
    first->close();
    openEditor(CardKind::OKD);
    QWidget *fresh = form->latestEditor(CardKind::OKD);
    QVERIFY(fresh && fresh != first);
    QVERIFY(fresh->isVisible());

    fake(fresh)->setModified(true);
    script({Answer::No});
    form->exitProgram();
    QCOMPARE(questions().size(), 1);

    // A kind whose editor is not part of the program opens nothing.
    registerEditorFactory(CardKind::OK, {});
    form->show();
    const int before = QApplication::topLevelWidgets().size();
    QTest::mouseClick(form->LabelEffect4, Qt::LeftButton);
    QCOMPARE(QApplication::topLevelWidgets().size(), before);

    // Without a main window the editors' "Новий" opens nothing.
    form.reset();
    const int windows = QApplication::topLevelWidgets().size();
    openEditor(CardKind::RK);
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
}

QTEST_MAIN(MainFormTest)
#include "mainform_test.moc"
