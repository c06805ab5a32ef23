// What keeping a card in the recovery folder costs the interface thread: the
// recovery write of a full card of each kind, and a key press typed into a
// field while such writes run on the folder's worker.
#include "cards/cardeditors.h"
#include "controls/lineedit.h"
#include "dialogs/consoledialogs.h"
#include "frame/cardeditor.h"
#include "frame/editorregistry.h"
#include "shell/recoveryfolder.h"
#include "shell/recoverykeeper.h"

// The full cards the tests use.
#include "../tests/cards/support/cardsofkinds.cpp"
#include "../tests/ok/support/okfiles.cpp"
#include "../tests/okd/support/okdfiles.cpp"
#include "../tests/rk/support/rkfiles.cpp"
#include "../tests/support/cardfiles.cpp"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "editorbench.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A plain text field of the window that takes any letter.
LineEdit *typingField(QWidget *window)
{
    for (LineEdit *field : window->findChildren<LineEdit *>()) {
        if (field->isEnabled() && !field->isReadOnly() && field->maxLength() > 1000)
            return field;
    }
    return nullptr;
}

} // namespace

class RecoveryBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        registerCardEditors();
    }

    // The part of a recovery write done on the interface thread: the card's
    // lines gathered and handed to the worker.
    void keepFullCard_data() { cardKinds(); }
    void keepFullCard()
    {
        QFETCH(int, kind);
        RecoveryFolder folder(m_folder.filePath(u"recovery"_s));
        QVERIFY(folder.isUsable());
        const std::unique_ptr<QWidget> window = openFullCard(CardKind(kind));
        RecoveryKeeper *keeper = RecoveryKeeper::attach(window.get(), folder);
        QVERIFY(keeper);
        QBENCHMARK
        {
            keeper->keepNow();
        }
        folder.waitForWork();
        QCOMPARE(readBytes(keeper->path()), cardBytes(fullCardOf(CardKind(kind))));
    }

    // A key typed into a field and taken back (two key presses), with the
    // worker idle and while it writes a full card.
    void keyPressWhileKeeping_data()
    {
        QTest::addColumn<bool>("writing");
        QTest::newRow("worker idle") << false;
        QTest::newRow("while writing") << true;
    }
    void keyPressWhileKeeping()
    {
        QFETCH(bool, writing);
        RecoveryFolder folder(m_folder.filePath(u"typing"_s));
        const std::unique_ptr<QWidget> window = openFullCard(CardKind::OKD);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        LineEdit *field = typingField(window.get());
        QVERIFY(field);
        field->setFocus();
        const QStringList lines = fullCardOf(CardKind::OKD);
        const QString path = folder.newCardPath();
        const QString before = field->text();
        QBENCHMARK
        {
            if (writing) {
                // The keys are handled while this write runs on the worker.
                folder.keep(path, CardKind::OKD, QString(), lines);
            }
            QTest::keyClick(field, Qt::Key_Z);
            QTest::keyClick(field, Qt::Key_Backspace);
        }
        folder.waitForWork();
        QCOMPARE(field->text(), before);
        QTest::keyClick(field, Qt::Key_Z);
        QCOMPARE(field->text().size(), before.size() + 1);
        cardEditorOf(window.get())->setModified(false);
    }

private:
    static void cardKinds()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("rk") << int(CardKind::RK);
        QTest::newRow("ok") << int(CardKind::OK);
        QTest::newRow("okd") << int(CardKind::OKD);
    }

    // An editor of `kind` holding its full card, marked changed.
    std::unique_ptr<QWidget> openFullCard(CardKind kind)
    {
        const QString in = m_folder.filePath(u"full.txt"_s);
        if (!writeBytes(in, cardBytes(fullCardOf(kind))))
            qFatal("the card file cannot be written");
        ConsoleDialogs console(stderr);
        console.setOpenPath(in);
        Dialogs *previous = setDialogs(&console);
        std::unique_ptr<QWidget> window(createEditor(kind));
        CardEditor *editor = cardEditorOf(window.get());
        if (!editor->open())
            qFatal("the card cannot be read");
        setDialogs(previous);
        editor->setModified(true);
        return window;
    }

    QTemporaryDir m_folder;
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RecoveryBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "recovery_bench.moc"
