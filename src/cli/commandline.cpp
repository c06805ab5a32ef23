#include "cli/commandline.h"

#include "cli/cardjobs.h"
#include "cli/pdfwriters.h"
#include "dialogs/consoledialogs.h"
#include "editing/carddocument.h"
#include "frame/cardfilecommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <cstdio>

#include <unistd.h>

namespace {

constexpr int failure = 2;

std::optional<CardKind> kindFromOption(const QString &value)
{
    const QString name = value.toLower();
    if (name == QLatin1String("rk"))
        return CardKind::RK;
    if (name == QLatin1String("ok"))
        return CardKind::OK;
    if (name == QLatin1String("okd"))
        return CardKind::OKD;
    return std::nullopt;
}

enum class Command { Convert, Pdf, Check };

// Exit code of "check" when a card has fields that fail their checks.
constexpr int checksFailed = 1;

void writeLine(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

CardJobs::Job jobOf(Command command)
{
    if (command == Command::Convert) {
        return [](CardDocument &card, ConsoleDialogs &, const QString &output) {
            return cardfilecommands::writeCard(output, card.writeCard());
        };
    }
    return [](CardDocument &card, ConsoleDialogs &, const QString &output) {
        return card.printToPdf(output);
    };
}

// The cards named on the command line, taken from the current folder now:
// an editor may move it.
QList<QFileInfo> absoluteFiles(const QStringList &cards)
{
    QList<QFileInfo> files;
    for (const QString &card : cards)
        files.append(QFileInfo(QFileInfo(card).absoluteFilePath()));
    return files;
}

// Why `card` (named `name` on the command line) cannot be read as a card
// file, or nothing when it can be.
std::optional<QString> notACardFile(const QFileInfo &card, const QString &name)
{
    if (card.isFile())
        return std::nullopt;
    return card.exists() ? QStringLiteral("«%1» — не файл.").arg(name)
                         : QStringLiteral("Файл картки «%1» не знайдено.").arg(name);
}

// Where a card of a batch is written: under its own name (convert) or its
// base name with ".pdf" (pdf).
QString outputIn(const QDir &folder, Command command, const QFileInfo &card)
{
    return folder.absoluteFilePath(command == Command::Convert
                                       ? card.fileName()
                                       : card.completeBaseName() + QStringLiteral(".pdf"));
}

// Cards of a batch whose output name an earlier card of the batch already
// has (cards from different folders with the same file name): each is
// reported with both cards' paths, before anything is written, and left out,
// so that no card's output replaces another's. The indexes left out.
QSet<qsizetype> sharedOutputs(Command command, const QDir &folder, const QStringList &cards,
                              const QList<QFileInfo> &files, CardJobs &jobs)
{
    QHash<QString, qsizetype> firstCard; // output path -> card that writes it
    QSet<qsizetype> left;
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (!files[i].isFile())
            continue; // reported in its turn; it writes nothing
        const QString output = QDir::cleanPath(outputIn(folder, command, files[i]));
        const auto first = firstCard.constFind(output);
        if (first == firstCard.cend()) {
            firstCard.insert(output, i);
            continue;
        }
        jobs.report(cards[i], QStringLiteral("Картка «%1» дає той самий вихідний файл «%2», що й "
                                             "картка «%3», тож її не записано.")
                                  .arg(files[i].absoluteFilePath(), output,
                                       files[*first].absoluteFilePath()));
        left.insert(i);
    }
    return left;
}

// The batch form: every card into the output folder; a card that fails is
// reported and the next one goes on. On a terminal a progress line shows
// which card is being done.
int runBatch(Command command, std::optional<CardKind> kind, const QStringList &cards,
             const QString &folderName, std::FILE *errors)
{
    const QDir folder(QFileInfo(folderName).absoluteFilePath());
    const QList<QFileInfo> files = absoluteFiles(cards);
    if (!QFileInfo(folderName).isDir()) {
        writeLine(errors,
                  QStringLiteral("Папки «%1» для вихідних файлів не існує.").arg(folderName));
        return failure;
    }
    const bool terminal = isatty(fileno(errors)) != 0;
    CardJobs jobs(kind, errors, {true, terminal});
    int failed = 0;
    // PDF files are written on worker threads while the next cards are read
    // and filled; a file that fails is reported when its turn comes.
    PdfWriters writers([&](const PdfWriters::Outcome &done) {
        if (done.result)
            return;
        jobs.report(done.card, done.result.error);
        jobs.report(done.card, CardJobs::notWritten(done.output));
        ++failed;
    });
    const QSet<qsizetype> left = sharedOutputs(command, folder, cards, files, jobs);
    failed += int(left.size());
    QString current;
    const CardJobs::Job job =
        command == Command::Pdf
            ? [&](CardDocument &document, ConsoleDialogs &, const QString &output) {
                  std::shared_ptr<const PreparedReport> pages = document.printedPages();
                  if (!pages)
                      return false;
                  writers.write(current, std::move(pages), output);
                  return true;
              }
            : jobOf(command);
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const QFileInfo &card = files[i];
        if (terminal) {
            const QByteArray progress = QStringLiteral("\r\033[K%1/%2 %3")
                                            .arg(i + 1)
                                            .arg(cards.size())
                                            .arg(card.fileName())
                                            .toUtf8();
            std::fwrite(progress.constData(), 1, std::size_t(progress.size()), errors);
            std::fflush(errors);
        }
        if (left.contains(i))
            continue;
        if (const std::optional<QString> reason = notACardFile(card, cards[i])) {
            jobs.report(cards[i], *reason);
            ++failed;
            continue;
        }
        current = card.absoluteFilePath();
        if (!jobs.run(current, outputIn(folder, command, card), job))
            ++failed;
    }
    writers.finish();
    if (terminal)
        std::fputs("\r\033[K", errors);
    if (failed > 0)
        writeLine(
            errors,
            QStringLiteral("Не вдалося обробити карток: %1 з %2.").arg(failed).arg(cards.size()));
    return failed > 0 ? failure : 0;
}

// One failed check as a line: the card's file name, the field code, the
// control and the editor's message on one line.
QString failureLine(const QString &card, const FieldFailure &failure)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    QString message = failure.message;
    message.replace(lineBreaks, QStringLiteral(" "));
    const QString where = failure.fieldCode.isEmpty()
                              ? failure.control
                              : failure.fieldCode + QLatin1Char(' ') + failure.control;
    return QStringLiteral("%1: %2: %3").arg(card, where, message);
}

// "check": every card is opened as "Відкрити..." would and its fields run
// through the editor's checks; each failure is a line on `output`. Exit 0
// when all pass, 1 when a check failed, 2 when a card could not be read or
// checked (the other cards are checked all the same).
int runCheck(std::optional<CardKind> kind, const QStringList &cards, std::FILE *output,
             std::FILE *errors)
{
    const QList<QFileInfo> files = absoluteFiles(cards);
    CardJobs jobs(kind, errors, {true, false});
    bool unread = false;
    bool failed = false;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const QFileInfo &card = files[i];
        if (const std::optional<QString> reason = notACardFile(card, cards[i])) {
            jobs.report(cards[i], *reason);
            unread = true;
            continue;
        }
        bool checked = false;
        jobs.run(card.absoluteFilePath(), QString(),
                 [&](CardDocument &document, ConsoleDialogs &, const QString &) {
                     const QList<FieldFailure> failures = document.checkFields();
                     checked = true;
                     for (const FieldFailure &failure : failures)
                         writeLine(output, failureLine(card.fileName(), failure));
                     failed = failed || !failures.isEmpty();
                     return true;
                 });
        unread = unread || !checked;
    }
    if (unread)
        return failure;
    return failed ? checksFailed : 0;
}

QString description()
{
    return QStringLiteral("Заповнення, збереження і друк карток РК, ОК і ОКД.\n"
                          "Без команди відкривається головне вікно програми.\n"
                          "\n"
                          "Команди:\n"
                          "  convert [--kind rk|ok|okd] КАРТКА ВИХІД\n"
                          "      прочитати файл картки і записати картку у файл ВИХІД так,\n"
                          "      як це робить «Записати як...» у вікні картки;\n"
                          "  pdf [--kind rk|ok|okd] КАРТКА ВИХІД.pdf\n"
                          "      надрукувати картку у файл PDF так, як це робить «Друк»;\n"
                          "  convert [--kind rk|ok|okd] --output-dir ПАПКА КАРТКА...\n"
                          "  pdf [--kind rk|ok|okd] --output-dir ПАПКА КАРТКА...\n"
                          "      те саме для багатьох карток: кожна записується в ПАПКУ\n"
                          "      під своєю назвою (pdf — з розширенням .pdf); картка, яку не\n"
                          "      вдалося обробити, називається в повідомленні, і робота йде далі.\n"
                          "  check [--kind rk|ok|okd] КАРТКА...\n"
                          "      перевірити поля карток так, як їх перевіряє вікно картки, коли\n"
                          "      курсор залишає поле; кожна помилка — рядок у стандартному\n"
                          "      виводі: файл, код поля, назва поля і повідомлення. Код\n"
                          "      завершення 0 — помилок немає, 1 — є помилки, 2 — картку\n"
                          "      не вдалося прочитати.\n"
                          "Без --kind вид картки визначає рядок 5013 файлу:\n"
                          "01 — РК, 02 або 03 — ОК, 04 або 05 — ОКД.\n"
                          "Повідомлення виводяться у стандартний потік помилок; код завершення\n"
                          "0 — успіх, 2 — помилка (тоді нічого не записано; у пакетній роботі —\n"
                          "якщо не вдалося обробити хоча б одну картку).");
}

} // namespace

namespace {
bool isCommandWord(const QString &word)
{
    return word == QLatin1String("convert") || word == QLatin1String("pdf") ||
           word == QLatin1String("check");
}
} // namespace

QStringList cardFilesToOpen(const QStringList &arguments)
{
    QStringList cards;
    for (const QString &argument : arguments.mid(1)) {
        if (!argument.startsWith(u'-'))
            cards.append(argument);
    }
    return cards;
}

bool wantsCommandLine(int argc, char **argv)
{
    // Qt's own options that take a value, which is not a command word.
    static const QList<QByteArray> qtOptionsWithValue = {
        "platform", "platformpluginpath", "platformtheme", "plugin",      "qwindowgeometry",
        "geometry", "qwindowtitle",       "title",         "qwindowicon", "icon",
        "style",    "stylesheet",         "session",       "display",     "name"};
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "--help-all" ||
            argument == "-v" || argument == "--version")
            return true;
        // A card file to open in the window, or a command word.
        if (!argument.startsWith('-'))
            return !QFileInfo(QString::fromLocal8Bit(argument)).isFile();
        const QByteArray name = argument.mid(argument.startsWith("--") ? 2 : 1);
        if (qtOptionsWithValue.contains(name))
            ++i;
    }
    return false;
}

std::optional<int> runCommandLine(const QStringList &arguments, std::FILE *output,
                                  std::FILE *errors)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption kindOption(QStringLiteral("kind"),
                                        QStringLiteral("вид картки: rk, ok або okd"),
                                        QStringLiteral("вид"));
    parser.addOption(kindOption);
    const QCommandLineOption folderOption(
        QStringLiteral("output-dir"), QStringLiteral("папка для вихідних файлів багатьох карток"),
        QStringLiteral("папка"));
    parser.addOption(folderOption);
    parser.addPositionalArgument(QStringLiteral("команда"),
                                 QStringLiteral("convert, pdf або check"),
                                 QStringLiteral("[команда"));
    parser.addPositionalArgument(QStringLiteral("картка"), QStringLiteral("файл картки"),
                                 QStringLiteral("картка"));
    parser.addPositionalArgument(QStringLiteral("вихід"), QStringLiteral("файл, що записується"),
                                 QStringLiteral("вихід]"));

    const auto fail = [errors](const QString &message) {
        writeLine(errors, message);
        return failure;
    };

    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(versionOption)) {
        writeLine(output, QCoreApplication::applicationName() + QLatin1Char(' ') +
                              QCoreApplication::applicationVersion());
        return 0;
    }
    if (parser.isSet(helpOption)) {
        const QByteArray help = parser.helpText().toUtf8();
        std::fwrite(help.constData(), 1, static_cast<std::size_t>(help.size()), output);
        std::fflush(output);
        return 0;
    }

    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        if (parser.isSet(kindOption) || parser.isSet(folderOption))
            return fail(QStringLiteral("Параметри --kind і --output-dir стосуються лише команд "
                                       "convert, pdf і check."));
        return std::nullopt;
    }

    if (!isCommandWord(words[0]) && QFileInfo(words[0]).isFile()) {
        if (parser.isSet(kindOption) || parser.isSet(folderOption))
            return fail(QStringLiteral("Параметри --kind і --output-dir стосуються лише команд "
                                       "convert, pdf і check."));
        return std::nullopt; // the window opens the cards
    }

    Command command;
    if (words[0] == QLatin1String("convert"))
        command = Command::Convert;
    else if (words[0] == QLatin1String("pdf"))
        command = Command::Pdf;
    else if (words[0] == QLatin1String("check"))
        command = Command::Check;
    else
        return fail(QStringLiteral("Невідома команда «%1»: відомі команди convert, pdf і check.")
                        .arg(words[0]));

    std::optional<CardKind> kind;
    if (parser.isSet(kindOption)) {
        kind = kindFromOption(parser.value(kindOption));
        if (!kind)
            return fail(QStringLiteral("Невідомий вид картки «%1»: можна rk, ok або okd.")
                            .arg(parser.value(kindOption)));
    }

    if (command == Command::Check) {
        if (parser.isSet(folderOption))
            return fail(QStringLiteral("Команда check нічого не записує: --output-dir їй не "
                                       "потрібен."));
        if (words.size() < 2)
            return fail(QStringLiteral("Команді check потрібна хоча б одна картка."));
        return runCheck(kind, words.mid(1), output, errors);
    }

    if (parser.isSet(folderOption)) {
        if (words.size() < 2)
            return fail(QStringLiteral("Команді %1 з --output-dir потрібна хоча б одна картка.")
                            .arg(words[0]));
        return runBatch(command, kind, words.mid(1), parser.value(folderOption), errors);
    }

    if (words.size() != 3)
        return fail(QStringLiteral("Команді %1 потрібні два файли: картка, яку читати, і файл, "
                                   "який записати (або --output-dir ПАПКА і картки).")
                        .arg(words[0]));
    const QFileInfo card(words[1]);
    if (!card.exists())
        return fail(QStringLiteral("Файл картки «%1» не знайдено.").arg(words[1]));
    if (!card.isFile())
        return fail(QStringLiteral("«%1» — не файл.").arg(words[1]));
    CardJobs jobs(kind, errors, {});
    return jobs.run(card.absoluteFilePath(), QFileInfo(words[2]).absoluteFilePath(), jobOf(command))
               ? 0
               : failure;
}
