// How fast the registration card editor opens, reads and writes a full card,
// and what a command line conversion costs against a bare Qt program.
#include "rk/frmrk1.h"

// The full card the tests use: 5 customers, 20 co-executors, 15 stages.
#include "../tests/rk/support/rkfiles.cpp"
#include "../tests/support/cardfiles.cpp"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "editorbench.h"
#include "processtiming.h"

using namespace Qt::StringLiterals;

class RkEditorBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QVERIFY(writeBytes(m_folder.filePath(u"full.txt"_s), cardBytes(fullCardLines())));
    }

    void openEditorWindow() { benchOpenWindow<TfrmRK1>(); }

    void openAndSaveFullCard()
    {
        const QString out = m_folder.filePath(u"out.txt"_s);
        benchReadAndWrite<TfrmRK1>(m_folder.filePath(u"full.txt"_s), out);
        QCOMPARE(readBytes(out), cardBytes(fullCardLines()));
    }

    void convertProcessAgainstBareQt()
    {
        const QString ovrida = programBesideBenchmarks();
        if (ovrida.isEmpty())
            QSKIP("the program is not built next to the benchmarks");
        const QString converted = m_folder.filePath(u"converted.txt"_s);
        compareConvertWithBareQt(ovrida, {m_folder.filePath(u"full.txt"_s), converted},
                                 m_folder.path(), "the full card");
        QCOMPARE(readBytes(converted), cardBytes(fullCardLines()));
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
    RkEditorBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "rkeditor_bench.moc"
