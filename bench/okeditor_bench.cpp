// How fast the accounting card editor opens, reads and writes a full card,
// and what a command line conversion costs against a bare Qt program.
#include "ok/frmok.h"

// The full card the tests use: three languages everywhere, ten entries in
// each position list, twenty co-executors.
#include "../tests/ok/support/okfiles.cpp"
#include "../tests/support/cardfiles.cpp"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "editorbench.h"
#include "processtiming.h"

using namespace Qt::StringLiterals;

class OkEditorBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QVERIFY(writeBytes(m_folder.filePath(u"full.txt"_s), cardBytes(fullOkCardLines())));
    }

    void openEditorWindow() { benchOpenWindow<TfrmOK>(); }

    void openAndSaveFullCard()
    {
        const QString out = m_folder.filePath(u"out.txt"_s);
        benchReadAndWrite<TfrmOK>(m_folder.filePath(u"full.txt"_s), out);
        QCOMPARE(readBytes(out), cardBytes(fullOkCardLines()));
    }

    void convertProcessAgainstBareQt()
    {
        const QString ovrida = programBesideBenchmarks();
        if (ovrida.isEmpty())
            QSKIP("the program is not built next to the benchmarks");
        const QString converted = m_folder.filePath(u"converted.txt"_s);
        compareConvertWithBareQt(
            ovrida, {u"--kind"_s, u"ok"_s, m_folder.filePath(u"full.txt"_s), converted},
            m_folder.path(), "the full accounting card");
        QCOMPARE(readBytes(converted), cardBytes(fullOkCardLines()));
    }

private:
    QTemporaryDir m_folder;
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (const std::optional<int> bare = runAsBareWriter(argc, argv))
        return *bare;
    QApplication app(argc, argv);
    OkEditorBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "okeditor_bench.moc"
