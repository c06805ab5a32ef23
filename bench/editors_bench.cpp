// How fast each card editor window opens, reads and writes a full card, and
// what a command line conversion of that card costs against a bare Qt
// program, for every card kind.
#include "cards/cardeditors.h"
#include "dialogs/consoledialogs.h"
#include "frame/cardeditor.h"
#include "frame/editorregistry.h"

// The full cards the tests use.
#include "../tests/ok/support/okfiles.cpp"
#include "../tests/okd/support/okdfiles.cpp"
#include "../tests/rk/support/rkfiles.cpp"
#include "../tests/support/cardfiles.cpp"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "editorbench.h"
#include "processtiming.h"

#include <memory>

using namespace Qt::StringLiterals;

class EditorsBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        registerCardEditors();
    }

    void openEditorWindow_data() { cardKinds(); }
    void openEditorWindow()
    {
        QFETCH(int, kind);
        QBENCHMARK
        {
            const std::unique_ptr<QWidget> window(createEditor(CardKind(kind)));
            window->show();
            QCoreApplication::processEvents();
        }
    }

    // "Відкрити..." of the full card in one window and its lines written.
    void openAndSaveFullCard_data() { cardKinds(); }
    void openAndSaveFullCard()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, card);
        const QString in = m_folder.filePath(u"full.txt"_s);
        const QString out = m_folder.filePath(u"out.txt"_s);
        QVERIFY(writeBytes(in, cardBytes(card)));
        ConsoleDialogs console(stderr);
        console.setOpenPath(in);
        Dialogs *previous = setDialogs(&console);
        const std::unique_ptr<QWidget> window(createEditor(CardKind(kind)));
        CardEditor *editor = cardEditorOf(window.get());
        QBENCHMARK
        {
            QVERIFY(editor->open());
            QVERIFY(writeBytes(out, cardBytes(editor->writeCard())));
        }
        setDialogs(previous);
        QCOMPARE(readBytes(out), cardBytes(card));
    }

    void convertProcessAgainstBareQt_data() { cardKinds(); }
    void convertProcessAgainstBareQt()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, card);
        const QString ovrida = programBesideBenchmarks();
        if (ovrida.isEmpty())
            QSKIP("the program is not built next to the benchmarks");
        const QString in = m_folder.filePath(u"full.txt"_s);
        const QString converted = m_folder.filePath(u"converted.txt"_s);
        QVERIFY(writeBytes(in, cardBytes(card)));
        compareConvertWithBareQt(ovrida, {u"--kind"_s, option, in, converted}, m_folder.path(),
                                 qPrintable(u"the full %1 card"_s.arg(option)));
        QCOMPARE(readBytes(converted), cardBytes(card));
    }

private:
    // The rows of every measurement: each card kind with its full card.
    static void cardKinds()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("card");
        QTest::newRow("rk") << int(CardKind::RK) << u"rk"_s << fullCardLines();
        QTest::newRow("ok") << int(CardKind::OK) << u"ok"_s << fullOkCardLines();
        QTest::newRow("okd") << int(CardKind::OKD) << u"okd"_s << okdFullCardLines();
    }

    QTemporaryDir m_folder;
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (const std::optional<int> bare = runAsBareWriter(argc, argv))
        return *bare;
    QApplication app(argc, argv);
    EditorsBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "editors_bench.moc"
