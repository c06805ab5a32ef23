// How fast the dissertation card editor opens, reads and writes a full card,
// and what a command line conversion costs against a bare Qt program.
#include "okd/frmokd.h"

// The full card the tests use: three languages of every name, title and
// abstract, five organisation blocks, three supervisors, four opponents.
#include "../tests/okd/support/okdfiles.cpp"
#include "../tests/support/cardfiles.cpp"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "editorbench.h"
#include "processtiming.h"

using namespace Qt::StringLiterals;

class OkdEditorBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QVERIFY(writeBytes(m_folder.filePath(u"full.txt"_s), cardBytes(okdFullCardLines())));
    }

    void openEditorWindow() { benchOpenWindow<TpfrmOkd>(); }

    void openAndSaveFullCard()
    {
        const QString out = m_folder.filePath(u"out.txt"_s);
        benchReadAndWrite<TpfrmOkd>(m_folder.filePath(u"full.txt"_s), out);
        QCOMPARE(readBytes(out), cardBytes(okdFullCardLines()));
    }

    void convertProcessAgainstBareQt()
    {
        const QString ovrida = programBesideBenchmarks();
        if (ovrida.isEmpty())
            QSKIP("the program is not built next to the benchmarks");
        const QString converted = m_folder.filePath(u"converted.txt"_s);
        compareConvertWithBareQt(
            ovrida, {u"--kind"_s, u"okd"_s, m_folder.filePath(u"full.txt"_s), converted},
            m_folder.path(), "the full dissertation card");
        QCOMPARE(readBytes(converted), cardBytes(okdFullCardLines()));
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
    OkdEditorBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "okdeditor_bench.moc"
