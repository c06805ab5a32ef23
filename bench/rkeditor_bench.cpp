// How fast the registration card editor opens, reads and writes a full card,
// and what a command line conversion costs against a bare Qt program.
#include "rk/frmrk1.h"

#include "app/dialogs.h"
#include "cardfile/cardwriter.h"

// The full card the tests use: 5 customers, 20 co-executors, 15 stages.
#include "../tests/rk/support/rkfiles.cpp"
#include "../tests/support/cardfiles.cpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "processtiming.h"

using namespace Qt::StringLiterals;

class RkEditorBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QFile card(m_folder.filePath(u"full.txt"_s));
        QVERIFY(card.open(QIODevice::WriteOnly));
        card.write(cardBytes(fullCardLines()));
    }

    void openEditorWindow()
    {
        QBENCHMARK
        {
            TfrmRK1 window;
            window.show();
            QCoreApplication::processEvents();
        }
    }

    void openAndSaveFullCard()
    {
        TfrmRK1 window;
        const QString card = m_folder.filePath(u"full.txt"_s);
        const QString out = m_folder.filePath(u"out.txt"_s);
        QBENCHMARK
        {
            QVERIFY(window.readCard(card));
            QVERIFY(cardfile::writeCardFile(out, window.writeCard()).ok);
        }
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), cardBytes(fullCardLines()));
    }

    void convertProcessAgainstBareQt()
    {
        const QString ovrida = QCoreApplication::applicationDirPath() + u"/../ovrida"_s;
        if (!QFile::exists(ovrida))
            QSKIP("the program is not built next to the benchmarks");
        const QString card = m_folder.filePath(u"full.txt"_s);
        compareConvertWithBareQt(ovrida, {card, m_folder.filePath(u"converted.txt"_s)},
                                 m_folder.path(), "the full card");
        QFile converted(m_folder.filePath(u"converted.txt"_s));
        QVERIFY(converted.open(QIODevice::ReadOnly));
        QCOMPARE(converted.readAll(), cardBytes(fullCardLines()));
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
