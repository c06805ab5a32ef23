#include "app/commandline.h"

#include "app/cardeditor.h"
#include "app/consoledialogs.h"
#include "app/dialogs.h"
#include "app/editorregistry.h"
#include "cardfile/cardreader.h"
#include "cardfile/piece.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr int failure = 2;

QString shortName(CardKind kind)
{
    switch (kind) {
    case CardKind::RK:
        return QStringLiteral("РК");
    case CardKind::OK:
        return QStringLiteral("ОК");
    case CardKind::OKD:
        return QStringLiteral("ОКД");
    }
    return {};
}

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

// The value of the card-type line 5013: "01" RK, "02" and "03" OK, "04" and
// "05" OKD.
std::optional<CardKind> kindFromTypeCode(QStringView code)
{
    if (code == u"01")
        return CardKind::RK;
    if (code == u"02" || code == u"03")
        return CardKind::OK;
    if (code == u"04" || code == u"05")
        return CardKind::OKD;
    return std::nullopt;
}

struct KindOfFile
{
    std::optional<CardKind> kind;
    QString error; // the file could not be read
};

// The kind named by the card's 5013 line, the first coded line of every card
// file. The reading stops at that line.
KindOfFile kindOfCardFile(const QString &path)
{
    std::optional<QString> typeCode;
    const cardfile::FileResult result =
        cardfile::readCardFile(path, {}, [&typeCode](const cardfile::CardLine &line) {
            if (line.code != u"5013")
                return QString();
            typeCode = cardfile::trimmed(cardfile::pieceView(line.line, 2));
            return QStringLiteral("5013");
        });
    if (!typeCode)
        return {std::nullopt, result.ok ? QString() : result.error};
    return {kindFromTypeCode(*typeCode), {}};
}

class DialogsInstallation
{
public:
    explicit DialogsInstallation(Dialogs *service) : previous_(setDialogs(service)) {}
    ~DialogsInstallation() { setDialogs(previous_); }
    DialogsInstallation(const DialogsInstallation &) = delete;
    DialogsInstallation &operator=(const DialogsInstallation &) = delete;

private:
    Dialogs *previous_;
};

enum class Command { Convert, Pdf };

struct Task
{
    Command command;
    CardKind kind;
    QString card;   // absolute path of an existing file
    QString output; // absolute path
};

void writeLine(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// The card is read by a hidden editor of its kind, whose open dialog is
// answered with the card file, and then written or printed by `act`. Its
// messages go to the error stream as they are; a question is answered Cancel,
// which stops whatever asked it.
int withOpenedCard(const Task &task, std::FILE *errors,
                   const std::function<bool(CardEditor &, ConsoleDialogs &)> &act)
{
    ConsoleDialogs console(errors);
    console.setOpenPath(task.card);
    const DialogsInstallation installed(&console);
    const std::unique_ptr<QWidget> window(createEditor(task.kind));
    CardEditor *editor = cardEditorOf(window.get());
    if (!editor->open()) {
        writeLine(errors, QStringLiteral("Картку з файлу «%1» не прочитано.").arg(task.card));
        return failure;
    }
    if (!act(*editor, console)) {
        writeLine(errors, QStringLiteral("Файл «%1» не записано.").arg(task.output));
        return failure;
    }
    return 0;
}

int convertCard(const Task &task, std::FILE *errors)
{
    return withOpenedCard(task, errors, [&task](CardEditor &editor, ConsoleDialogs &console) {
        console.setSavePath(task.output);
        return editor.saveAs();
    });
}

int printCardToPdf(const Task &task, std::FILE *errors)
{
    return withOpenedCard(task, errors, [&task](CardEditor &editor, ConsoleDialogs &) {
        return editor.printToPdf(task.output);
    });
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
                          "      надрукувати картку у файл PDF так, як це робить «Друк».\n"
                          "Без --kind вид картки визначає рядок 5013 файлу:\n"
                          "01 — РК, 02 або 03 — ОК, 04 або 05 — ОКД.\n"
                          "Повідомлення виводяться у стандартний потік помилок; код завершення\n"
                          "0 — успіх, 2 — помилка (тоді нічого не записано).");
}

} // namespace

bool wantsCommandLine(int argc, char **argv)
{
    // Qt's own options that take a value, which is not a command word.
    static const QList<QByteArray> qtOptionsWithValue = {
        "platform", "platformpluginpath", "platformtheme", "plugin",      "qwindowgeometry",
        "geometry", "qwindowtitle",       "title",         "qwindowicon", "icon",
        "style",    "stylesheet",         "session",       "display",     "name"};
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "--help-all")
            return true;
        if (!argument.startsWith('-'))
            return true;
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
    const QCommandLineOption kindOption(QStringLiteral("kind"),
                                        QStringLiteral("вид картки: rk, ok або okd"),
                                        QStringLiteral("вид"));
    parser.addOption(kindOption);
    parser.addPositionalArgument(QStringLiteral("команда"), QStringLiteral("convert або pdf"),
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
    if (parser.isSet(helpOption)) {
        const QByteArray help = parser.helpText().toUtf8();
        std::fwrite(help.constData(), 1, static_cast<std::size_t>(help.size()), output);
        std::fflush(output);
        return 0;
    }

    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        if (parser.isSet(kindOption))
            return fail(QStringLiteral("Параметр --kind стосується лише команд convert і pdf."));
        return std::nullopt;
    }

    Task task{};
    if (words[0] == QLatin1String("convert"))
        task.command = Command::Convert;
    else if (words[0] == QLatin1String("pdf"))
        task.command = Command::Pdf;
    else
        return fail(
            QStringLiteral("Невідома команда «%1»: відомі команди convert і pdf.").arg(words[0]));
    if (words.size() != 3)
        return fail(QStringLiteral("Команді %1 потрібні два файли: картка, яку читати, і файл, "
                                   "який записати.")
                        .arg(words[0]));

    const QFileInfo card(words[1]);
    if (!card.exists())
        return fail(QStringLiteral("Файл картки «%1» не знайдено.").arg(words[1]));
    if (!card.isFile())
        return fail(QStringLiteral("«%1» — не файл.").arg(words[1]));
    task.card = card.absoluteFilePath();
    task.output = QFileInfo(words[2]).absoluteFilePath();

    if (parser.isSet(kindOption)) {
        const std::optional<CardKind> kind = kindFromOption(parser.value(kindOption));
        if (!kind)
            return fail(QStringLiteral("Невідомий вид картки «%1»: можна rk, ok або okd.")
                            .arg(parser.value(kindOption)));
        task.kind = *kind;
    } else {
        const KindOfFile found = kindOfCardFile(task.card);
        if (!found.error.isEmpty())
            return fail(found.error);
        if (!found.kind)
            return fail(QStringLiteral("За рядком 5013 файлу «%1» вид картки не визначити "
                                       "(01 — РК, 02 або 03 — ОК, 04 або 05 — ОКД); "
                                       "вкажіть його: --kind rk, ok або okd.")
                            .arg(words[1]));
        task.kind = *found.kind;
    }

    if (!hasEditorFactory(task.kind))
        return fail(QStringLiteral("Картки %1 у цій збірці програми ще не підтримуються.")
                        .arg(shortName(task.kind)));

    switch (task.command) {
    case Command::Convert:
        return convertCard(task, errors);
    case Command::Pdf:
        return printCardToPdf(task, errors);
    }
    return failure;
}
