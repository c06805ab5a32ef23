#include "cli/commandline.h"
#include "frame/editorregistry.h"
#include "support/fakeeditor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {
struct Run
{
    std::optional<int> exitCode;
    QString output;
    QString errors;
};

QString readBack(std::FILE *stream)
{
    std::rewind(stream);
    QByteArray bytes;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, stream)) > 0;)
        bytes.append(buffer, static_cast<qsizetype>(n));
    std::fclose(stream);
    return QString::fromUtf8(bytes);
}

Run run(const QStringList &arguments)
{
    std::FILE *output = std::tmpfile();
    std::FILE *errors = std::tmpfile();
    Run result;
    result.exitCode =
        runCommandLine(QStringList{QStringLiteral("ovrida")} + arguments, output, errors);
    result.output = readBack(output);
    result.errors = readBack(errors);
    return result;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void noCommandStartsTheWindow();
    void argumentErrorsExitWithAMessage();
    void convertGoesThroughTheDocumentOfTheCardsKind();
    void failedReadWritesNothing();
    void kindWithoutDocumentAndDocumentWithoutPrintingAreRefused();
    void helpDescribesTheCommands();
    void commandWordsNeedNoDisplay();
    void manyCardsGoOnPastAFailure();

private:
    QTemporaryDir folder;
    QString rkCard;
};

void CommandLineTest::init()
{
    QVERIFY(folder.isValid());
    QDir::setCurrent(folder.path());
    FakeEditor::registerAll();
    FakeEditor::journal.clear();
    rkCard = folder.filePath(QStringLiteral("rk.txt"));
    writeFile(rkCard, "5013\\01\r\n5418\\12\\01.02.03\r\n\r\n");
}

void CommandLineTest::cleanup()
{
    FakeEditor::unregisterAll();
}

void CommandLineTest::noCommandStartsTheWindow()
{
    const Run plain = run({});
    QVERIFY(!plain.exitCode.has_value());
    QVERIFY(plain.errors.isEmpty());
}

void CommandLineTest::argumentErrorsExitWithAMessage()
{
    const QString out = folder.filePath(QStringLiteral("out.txt"));
    const QList<std::pair<QStringList, QString>> cases = {
        {{QStringLiteral("convert"), QStringLiteral("--kind"), QStringLiteral("xyz"), rkCard, out},
         QStringLiteral("«xyz»")},
        {{QStringLiteral("convert"), rkCard}, QStringLiteral("convert")},
        {{QStringLiteral("convert")}, QStringLiteral("convert")},
        {{QStringLiteral("pdf"), rkCard, out, out}, QStringLiteral("pdf")},
        {{QStringLiteral("convert"), QStringLiteral("missing.txt"), out},
         QStringLiteral("«missing.txt» не знайдено")},
        {{QStringLiteral("convert"), folder.path(), out}, QStringLiteral("не файл")},
        {{QStringLiteral("export"), rkCard, out}, QStringLiteral("«export»")},
        {{QStringLiteral("convert"), QStringLiteral("--bogus"), rkCard, out},
         QStringLiteral("bogus")},
        {{QStringLiteral("--kind"), QStringLiteral("rk")}, QStringLiteral("--kind")},
    };
    for (const auto &[arguments, named] : cases) {
        const Run result = run(arguments);
        QVERIFY2(result.exitCode == 2, qPrintable(arguments.join(u' ')));
        QVERIFY2(result.errors.contains(named), qPrintable(result.errors));
        QVERIFY(result.errors.endsWith(QLatin1Char('\n')));
    }
    QVERIFY(!QFile::exists(out));
    QVERIFY(FakeEditor::journal.isEmpty());
}

void CommandLineTest::convertGoesThroughTheDocumentOfTheCardsKind()
{
    const Run byLine =
        run({QStringLiteral("convert"), QStringLiteral("rk.txt"), QStringLiteral("copy.txt")});
    QCOMPARE(byLine.exitCode, std::optional<int>(0));
    const QString copy = folder.filePath(QStringLiteral("copy.txt"));
    QCOMPARE(FakeEditor::journal,
             (QStringList{QStringLiteral("RK1 opened ") + rkCard, QStringLiteral("RK1 written")}));
    QVERIFY(readFile(copy).startsWith("RK card: 5013\\01"));

    // The 5013 line decides the kind; blanks around code and value are read
    // past, as the card reader does.
    const QList<std::pair<QByteArray, QString>> typeLines = {
        {"5013\\02", QStringLiteral("OK1")},     {"  5013 \\ 03  ", QStringLiteral("OK2")},
        {"5013\\04", QStringLiteral("OKD1")},    {"5013\\05\\", QStringLiteral("OKD2")},
        {"\r\n5013\\01", QStringLiteral("RK2")},
    };
    for (const auto &[typeLine, editor] : typeLines) {
        QDir::setCurrent(folder.path());
        writeFile(QStringLiteral("card.txt"), typeLine + "\r\n5256\\5\r\n");
        FakeEditor::journal.clear();
        const Run result = run({QStringLiteral("convert"), QStringLiteral("card.txt"),
                                QStringLiteral("card-out.txt")});
        QCOMPARE(result.exitCode, std::optional<int>(0));
        QCOMPARE(FakeEditor::journal.size(), 2);
        QVERIFY2(FakeEditor::journal[0].startsWith(editor + QLatin1Char(' ')),
                 qPrintable(FakeEditor::journal[0]));
    }

    // --kind overrides the file.
    FakeEditor::journal.clear();
    QDir::setCurrent(folder.path());
    const Run forced = run({QStringLiteral("convert"), QStringLiteral("--kind"),
                            QStringLiteral("okd"), rkCard, QStringLiteral("forced.txt")});
    QCOMPARE(forced.exitCode, std::optional<int>(0));
    QVERIFY(FakeEditor::journal.value(0).startsWith(QStringLiteral("OKD")));

    // Without a usable 5013 line the kind is not guessed.
    for (const QByteArray &content :
         {QByteArray("5256\\5\r\n"), QByteArray("5013\\07\r\n"), QByteArray("5013\\\r\n")}) {
        QDir::setCurrent(folder.path());
        writeFile(QStringLiteral("odd.txt"), content);
        const Run result =
            run({QStringLiteral("convert"), QStringLiteral("odd.txt"), QStringLiteral("o.txt")});
        QCOMPARE(result.exitCode, std::optional<int>(2));
        QVERIFY(result.errors.contains(QStringLiteral("5013")));
        QVERIFY(result.errors.contains(QStringLiteral("--kind")));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("o.txt"))));
    }
    // A file without a single card line is no card, whatever its name.
    writeFile(QStringLiteral("odd.txt"), QByteArray());
    const Run empty =
        run({QStringLiteral("convert"), QStringLiteral("odd.txt"), QStringLiteral("o.txt")});
    QCOMPARE(empty.exitCode, std::optional<int>(2));
    QVERIFY(empty.errors.contains(QStringLiteral("немає жодного рядка картки")));
}

void CommandLineTest::failedReadWritesNothing()
{
    writeFile(QStringLiteral("broken.txt"), "5013\\01\r\nbroken\r\n");
    const Run unread =
        run({QStringLiteral("convert"), QStringLiteral("broken.txt"), QStringLiteral("never.txt")});
    QCOMPARE(unread.exitCode, std::optional<int>(2));
    QVERIFY(unread.errors.contains(QStringLiteral("Помилка: Картку прочитано не до кінця.")));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("never.txt"))));

    QDir::setCurrent(folder.path());
    const Run unwritten =
        run({QStringLiteral("convert"), rkCard, QStringLiteral("no-such-folder/out.txt")});
    QCOMPARE(unwritten.exitCode, std::optional<int>(2));
    QVERIFY(unwritten.errors.contains(QStringLiteral("не записано")));
}

void CommandLineTest::kindWithoutDocumentAndDocumentWithoutPrintingAreRefused()
{
    registerDocumentFactory(CardKind::OKD, {});
    writeFile(QStringLiteral("okd.txt"), "5013\\05\r\n");
    const Run noEditor =
        run({QStringLiteral("convert"), QStringLiteral("okd.txt"), QStringLiteral("okd-out.txt")});
    QCOMPARE(noEditor.exitCode, std::optional<int>(2));
    QVERIFY(noEditor.errors.contains(QStringLiteral("ОКД")));
    QVERIFY(!QFile::exists(QStringLiteral("okd-out.txt")));

    // A document that cannot print is read, says so, and nothing is written.
    FakeEditor::journal.clear();
    const Run pdf = run({QStringLiteral("pdf"), rkCard, QStringLiteral("card.pdf")});
    QCOMPARE(pdf.exitCode, std::optional<int>(2));
    QVERIFY(pdf.errors.contains(QStringLiteral("PDF")));
    QVERIFY(!QFile::exists(QStringLiteral("card.pdf")));
    QCOMPARE(FakeEditor::journal, (QStringList{QStringLiteral("RK1 opened ") + rkCard}));
}

void CommandLineTest::helpDescribesTheCommands()
{
    const Run help = run({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, std::optional<int>(0));
    for (const char *word : {"convert", "pdf", "--kind", "--output-dir", "5013", "rk|ok|okd"})
        QVERIFY2(help.output.contains(QLatin1String(word)), word);
    QVERIFY(help.errors.isEmpty());
}

void CommandLineTest::commandWordsNeedNoDisplay()
{
    const auto wants = [](std::initializer_list<const char *> words) {
        QList<QByteArray> storage;
        for (const char *word : words)
            storage.append(word);
        QList<char *> argv;
        for (QByteArray &word : storage)
            argv.append(word.data());
        return wantsCommandLine(static_cast<int>(argv.size()), argv.data());
    };
    QVERIFY(!wants({"ovrida"}));
    QVERIFY(wants({"ovrida", "convert", "a", "b"}));
    QVERIFY(wants({"ovrida", "pdf"}));
    QVERIFY(wants({"ovrida", "--help"}));
    QVERIFY(wants({"ovrida", "-h"}));
    QVERIFY(!wants({"ovrida", "-reverse"}));
    // The value of one of Qt's own options is no command.
    QVERIFY(!wants({"ovrida", "-style", "fusion", "--platform", "xcb"}));
    QVERIFY(wants({"ovrida", "-style", "fusion", "convert", "a", "b"}));
}

// Cards of mixed kinds into one folder: a card that cannot be read is named
// with its reason, the others are written, one document of a kind serves
// all cards of that kind.
void CommandLineTest::manyCardsGoOnPastAFailure()
{
    writeFile(QStringLiteral("ok.txt"), "5013\\03\r\n");
    writeFile(QStringLiteral("rk2.txt"), "5013\\01\r\n5256\\4\r\n");
    writeFile(QStringLiteral("broken.txt"), "5013\\01\r\nbroken\r\n");
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("out")));
    const Run batch = run({QStringLiteral("convert"), QStringLiteral("--output-dir"),
                           QStringLiteral("out"), rkCard, QStringLiteral("broken.txt"),
                           QStringLiteral("ok.txt"), QStringLiteral("rk2.txt")});
    QCOMPARE(batch.exitCode, std::optional<int>(2));
    QCOMPARE(QDir(folder.filePath(QStringLiteral("out"))).entryList(QDir::Files),
             (QStringList{QStringLiteral("ok.txt"), QStringLiteral("rk.txt"),
                          QStringLiteral("rk2.txt")}));
    QVERIFY(readFile(folder.filePath(QStringLiteral("out/rk2.txt"))).contains("5256\\4"));
    QCOMPARE(batch.errors,
             QStringLiteral("broken.txt: Помилка: Картку прочитано не до кінця. Нічого не "
                            "записано.\n"
                            "Не вдалося обробити карток: 1 з 4.\n"));
    QCOMPARE(FakeEditor::journal.filter(QStringLiteral(" opened ")).size(), 4);
    QVERIFY(FakeEditor::journal.filter(QStringLiteral("RK2")).isEmpty());

    // PDFs take the card's base name; all good: exit 0.
    const Run pdf = run({QStringLiteral("pdf"), QStringLiteral("--kind"), QStringLiteral("rk"),
                         QStringLiteral("--output-dir"), QStringLiteral("missing"), rkCard});
    QCOMPARE(pdf.exitCode, std::optional<int>(2));
    QVERIFY(pdf.errors.contains(QStringLiteral("«missing»")));
    QDir::setCurrent(folder.path());
    const Run good = run({QStringLiteral("convert"), QStringLiteral("--output-dir"),
                          QStringLiteral("out"), QStringLiteral("ok.txt")});
    QCOMPARE(good.exitCode, std::optional<int>(0));
    QCOMPARE(good.errors, QString());
}

QTEST_MAIN(CommandLineTest)
#include "commandline_test.moc"
