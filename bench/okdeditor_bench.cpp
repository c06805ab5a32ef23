// How fast the dissertation card editor opens, reads and writes a full card,
// and what a command line conversion costs against a bare Qt program.
#include "okd/frmokd.h"

// The full card the tests use.
#include "../tests/okd/support/okdfiles.cpp"

#include <QTemporaryDir>

#include "cardbench.h"

using namespace Qt::StringLiterals;

class OkdEditorBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        storeCard(m_folder.path(), u"full.txt"_s, okdCardBytes(okdFullCardLines()));
    }

    void openEditorWindow() { benchOpeningWindow<TpfrmOkd>(); }

    void openAndSaveFullCard()
    {
        benchOpeningAndSaving<TpfrmOkd>(m_folder.filePath(u"full.txt"_s),
                                        m_folder.filePath(u"out.txt"_s),
                                        okdCardBytes(okdFullCardLines()));
    }

    void convertProcessAgainstBareQt()
    {
        const QString ovrida = builtProgram();
        if (ovrida.isEmpty())
            QSKIP("the program is not built next to the benchmarks");
        QCOMPARE(compareConvertWithBareQt(ovrida, {u"--kind"_s, u"okd"_s},
                                          m_folder.filePath(u"full.txt"_s), m_folder.path()),
                 okdCardBytes(okdFullCardLines()));
    }

private:
    QTemporaryDir m_folder;
};

int main(int argc, char *argv[])
{
    return runCardBench<OkdEditorBench>(argc, argv);
}

#include "okdeditor_bench.moc"
