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
        const double convert =
            medianRun(ovrida, {u"convert"_s, card, m_folder.filePath(u"converted.txt"_s)}, 15);
        const double bare = medianRun(QCoreApplication::applicationFilePath(),
                                      {u"--bare-write"_s, m_folder.filePath(u"bare.txt"_s)}, 15);
        qInfo("ovrida convert of the full card: %.1f ms; bare Qt program writing one file: "
              "%.1f ms; ratio %.2f",
              convert, bare, convert / bare);
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
    // The bare program of the comparison: start Qt, write one small file, end.
    if (argc == 3 && qstrcmp(argv[1], "--bare-write") == 0) {
        QApplication app(argc, argv);
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::WriteOnly) || file.write("5013\\01\r\n\r\n") < 0)
            return 1;
        return 0;
    }
    QApplication app(argc, argv);
    RkEditorBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "rkeditor_bench.moc"
