// How fast the registration card editor opens, reads and writes a full card,
// and what a command line conversion costs against a bare Qt program.
#include "rk/frmrk1.h"

// The full card the tests use: 5 customers, 20 co-executors, 15 stages.
#include "../tests/rk/support/rkfiles.cpp"

#include <QTemporaryDir>

#include "cardbench.h"

using namespace Qt::StringLiterals;

class RkEditorBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        storeCard(m_folder.path(), u"full.txt"_s, cardBytes(fullCardLines()));
    }

    void openEditorWindow() { benchOpeningWindow<TfrmRK1>(); }

    void openAndSaveFullCard()
    {
        benchOpeningAndSaving<TfrmRK1>(m_folder.filePath(u"full.txt"_s),
                                       m_folder.filePath(u"out.txt"_s), cardBytes(fullCardLines()));
    }

    void convertProcessAgainstBareQt()
    {
        const QString ovrida = builtProgram();
        if (ovrida.isEmpty())
            QSKIP("the program is not built next to the benchmarks");
        QCOMPARE(
            compareConvertWithBareQt(ovrida, {}, m_folder.filePath(u"full.txt"_s), m_folder.path()),
            cardBytes(fullCardLines()));
    }

private:
    QTemporaryDir m_folder;
};

int main(int argc, char *argv[])
{
    return runCardBench<RkEditorBench>(argc, argv);
}

#include "rkeditor_bench.moc"
