#include "cardfile/cardwriter.h"
#include "cards/cardeditors.h"
#include "cards/support/cardsofkinds.h"
#include "dialogs/scripteddialogs.h"
#include "editing/carddocument.h"
#include "frame/cardcheckwindow.h"
#include "frame/cardeditor.h"
#include "frame/editorregistry.h"
#include "frame/inputgate.h"
#include "shell/cardfileopening.h"
#include "shell/mainform.h"
#include "shell/recoveryfolder.h"
#include "shell/recoverykeeper.h"
#include "shell/recoveryoffer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// The argument that makes this program the run a crash ends.
constexpr char kKeepChangedCard[] = "--keep-changed-card";

// What a clerk's day at the desktop asks beyond the editors: cards opened
// from outside the program, a card checked from its editor, and the cards
// with unsaved changes that a crash leaves behind.
class DesktopTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    ScriptedDialogs m_dialogs;

    static QString sample(const char *kind)
    {
        return u"" OVRIDA_TEST_DATA "/corpus/%1/full.txt"_s.arg(QLatin1String(kind));
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_folder.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
    static QStringList documentLines(CardKind kind, const QString &path)
    {
        std::unique_ptr<CardDocument> document = createDocument(kind);
        return document->read(path) ? document->writeCard() : QStringList{u"unread"_s};
    }
    static int filesIn(const QString &folder, const QString &pattern)
    {
        return QDir(folder).entryList({pattern}, QDir::Files).size();
    }

private slots:
    void initTestCase()
    {
        registerCardEditors();
        m_dialogs.install();
        RecoveryKeeper::setTimes(0ms, 0ms);
    }
    void init() { m_dialogs.clear(); }

    void cardsOpenInTheEditorsOfTheirKinds()
    {
        TMainForm mainForm;
        const QString unknown = write(u"other.txt"_s, "5013\\09\r\n");
        openCardFilesInNewEditors(mainForm, {sample("rk"), sample("ok"), sample("okd"), unknown});
        const QList<QWidget *> editors = mainForm.openEditors();
        QCOMPARE(editors.size(), 3);
        const CardKind kinds[] = {CardKind::RK, CardKind::OK, CardKind::OKD};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(cardEditorOf(editors[i])->cardKind(), kinds[i]);
            const char *kindNames[] = {"rk", "ok", "okd"};
            QVERIFY2(editors[i]->windowTitle().endsWith(sample(kindNames[i])),
                     qPrintable(editors[i]->windowTitle()));
            QCOMPARE(cardEditorOf(editors[i])->isModified(), false);
        }
        QVERIFY2(m_dialogs.texts().last().contains(u"«other.txt»"_s),
                 qPrintable(m_dialogs.texts().join(u'|')));
        for (QWidget *editor : editors)
            editor->close();
    }

    // A file without a single card line is refused before the card is
    // touched, in the editor of every kind: it keeps its card and its caption.
    void aFileWithoutCardLinesLeavesTheEditorAsItWas_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("rk") << int(CardKind::RK);
        QTest::newRow("ok") << int(CardKind::OK);
        QTest::newRow("okd") << int(CardKind::OKD);
    }

    void aFileWithoutCardLinesLeavesTheEditorAsItWas()
    {
        QFETCH(int, kind);
        const std::unique_ptr<QWidget> window(createEditor(CardKind(kind)));
        window->show();
        CardEditor *editor = cardEditorOf(window.get());
        m_dialogs.queueOpenName(
            write(u"good.txt"_s, cardfile::encodeCard(fullCardOf(CardKind(kind))).bytes));
        QVERIFY(editor->open());
        const QStringList card = editor->writeCard();
        const QString title = window->windowTitle();
        m_dialogs.clear();
        m_dialogs.queueOpenName(write(u"paper.pdf"_s, "%PDF-1.4\n\xE2\xE3\xCF\xD3\nstream\\x\n"));
        editor->open();
        QCOMPARE(m_dialogs.texts().size(), 1);
        QVERIFY2(m_dialogs.texts()[0].endsWith(u"paper.pdf» немає жодного рядка картки."_s),
                 qPrintable(m_dialogs.texts()[0]));
        QCOMPARE(editor->writeCard(), card);
        QCOMPARE(window->windowTitle(), title);
    }

    void checkWindowListsWhatTheCheckFindsAndGoesToTheField()
    {
        // A covering letter dated on a day that does not exist.
        QByteArray card;
        QFile full(sample("rk"));
        full.open(QIODevice::ReadOnly);
        for (const QByteArray &line : full.readAll().split('\n')) {
            if (line.startsWith("5418\\"))
                card += "5418\\1\\32.13.05\r\n";
            else if (!line.isEmpty())
                card += line + '\n';
        }
        const QString path = write(u"letter.txt"_s, card);
        TMainForm mainForm;
        QWidget *editor = openCardFileInNewEditor(mainForm, path);
        QVERIFY(editor);
        std::unique_ptr<CardDocument> document = createDocument(CardKind::RK);
        QVERIFY(document->read(path));
        const QList<FieldFailure> expected = document->checkFields();
        QVERIFY(!expected.isEmpty());

        CardCheckWindow *window = CardCheckWindow::showFor(editor);
        QTreeWidget *rows = window->failures();
        QCOMPARE(rows->topLevelItemCount(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(rows->topLevelItem(i)->text(0), expected[i].fieldCode);
            QVERIFY(!rows->topLevelItem(i)->text(2).isEmpty());
        }
        QVERIFY(!rows->topLevelItem(0)->text(1).isEmpty());
        QCOMPARE(cardEditorOf(editor)->isModified(), false);

        const QString control = expected.last().control;
        emit rows->itemActivated(rows->topLevelItem(expected.size() - 1), 0);
        QWidget *field = editor->findChild<QWidget *>(control);
        QVERIFY(field->isVisible());
        QTRY_COMPARE(editor->focusWidget(), field);

        // A card without faults says so.
        QWidget *clean = openCardFileInNewEditor(mainForm, sample("rk"));
        CardCheckWindow *none = CardCheckWindow::showFor(clean);
        QCOMPARE(none->failures()->topLevelItemCount(), 0);
        QCOMPARE(none->summary()->text(), u"Картку перевірено: помилок не знайдено."_s);
        for (QWidget *open : mainForm.openEditors()) {
            cardEditorOf(open)->setModified(false);
            open->close();
        }
    }

    void unsavedCardsLeftByAGoneRunComeBackLineForLine()
    {
        const QString folderPath = m_folder.filePath(u"recovery"_s);
        const QString savedTo = sample("okd");
        const QStringList before = documentLines(CardKind::OKD, savedTo);
        QProcess run;
        run.start(QCoreApplication::applicationFilePath(),
                  {QLatin1String(kKeepChangedCard), folderPath, savedTo});
        QVERIFY(run.waitForReadyRead(60000));
        QCOMPARE(run.readLine().trimmed(), QByteArray("kept"));
        QCOMPARE(filesIn(folderPath, u"*.txt"_s), 1);
        // While the run that keeps it lives, no other run takes it.
        {
            RecoveryFolder other(folderPath);
            QCOMPARE(other.claimLeftCards().size(), 0);
        }
        // A crash.
        run.kill();
        QVERIFY(run.waitForFinished());
        QCOMPARE(run.exitStatus(), QProcess::CrashExit);
        QCOMPARE(filesIn(folderPath, u"*.txt"_s), 1);

        // The next start: Yes restores the card, marked changed, named after its file.
        RecoveryFolder next(folderPath);
        setRecoveryFolder(&next);
        {
            TMainForm mainForm;
            m_dialogs.queueAnswer(Dialogs::Answer::Yes);
            offerLeftCards(mainForm, next);
            QCOMPARE(m_dialogs.texts().first(),
                     u"Після збою залишилися незбережені картки: 1. Відновити їх?"_s);
            QCOMPARE(mainForm.openEditors().size(), 1);
            QWidget *editor = mainForm.openEditors().first();
            CardEditor *card = cardEditorOf(editor);
            QVERIFY(card->isModified());
            QVERIFY(editor->windowTitle().contains(savedTo));
            QVERIFY(editor->windowTitle().contains(u"відновлено"_s));
            QCOMPARE(card->writeCard(), before);
            next.waitForWork();
            // Kept again by this run, and gone when its changes are settled.
            QCOMPARE(filesIn(folderPath, u"*.txt"_s), 1);
            card->setModified(false);
            next.waitForWork();
            QCOMPARE(filesIn(folderPath, u"*.txt"_s), 0);
            editor->close();
        }
        setRecoveryFolder(nullptr);
    }

    void noRemovesTheLeftCardsAndAnUnreadableOneIsKept()
    {
        const QString folderPath = m_folder.filePath(u"recovery-no"_s);
        QDir().mkpath(folderPath);
        QFile::copy(sample("rk"), folderPath + u"/0dead-1.txt"_s);
        QFile info(folderPath + u"/0dead-1.info"_s);
        info.open(QIODevice::WriteOnly);
        info.write("rk\n\n");
        info.close();
        QFile::copy(sample("ok"), folderPath + u"/0dead-2.txt"_s); // nothing tells its kind

        RecoveryFolder next(folderPath);
        TMainForm mainForm;
        m_dialogs.queueAnswer(Dialogs::Answer::Yes);
        offerLeftCards(mainForm, next);
        QCOMPARE(mainForm.openEditors().size(), 1);
        QVERIFY(m_dialogs.texts().last().contains(u"0dead-2.txt"_s));
        QVERIFY(QFile::exists(folderPath + u"/0dead-2.txt"_s));
        QVERIFY(!QFile::exists(folderPath + u"/0dead-1.txt"_s));
        for (QWidget *open : mainForm.openEditors()) {
            cardEditorOf(open)->setModified(false);
            open->close();
        }

        m_dialogs.clear();
        m_dialogs.queueAnswer(Dialogs::Answer::No);
        offerLeftCards(mainForm, next);
        QCOMPARE(filesIn(folderPath, u"0dead-*"_s), 0);
        QCOMPARE(mainForm.openEditors().size(), 0);
    }
};

// A run that a crash ends: the card opened in its editor, changed and kept
// in the recovery folder; it says "kept" and waits to be killed.
int keepChangedCardUntilKilled(int argc, char **argv)
{
    QApplication app(argc, argv);
    registerCardEditors();
    ScriptedDialogs dialogs;
    dialogs.install();
    RecoveryKeeper::setTimes(0ms, 0ms);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    RecoveryFolder running(folder);
    setRecoveryFolder(&running);
    TMainForm mainForm;
    QWidget *editor = openCardFileInNewEditor(mainForm, QString::fromLocal8Bit(argv[3]));
    if (!editor)
        return 1;
    cardEditorOf(editor)->inputGate().changed();
    while (QDir(folder).entryList({u"*.txt"_s}, QDir::Files).isEmpty())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    running.waitForWork();
    std::fputs("kept\n", stdout);
    std::fflush(stdout);
    return app.exec();
}

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], kKeepChangedCard) == 0)
        return keepChangedCardUntilKilled(argc, argv);
    QApplication app(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "desktop_test.moc"
