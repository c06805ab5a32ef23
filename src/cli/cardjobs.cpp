#include "cli/cardjobs.h"

#include "cardfile/cardkindoffile.h"
#include "dialogs/consoledialogs.h"
#include "dialogs/dialogs.h"
#include "editing/carddocument.h"
#include "frame/editorregistry.h"

#include <QFileInfo>

namespace {

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

} // namespace

CardJobs::CardJobs(std::optional<CardKind> kind, std::FILE *errors, Messages messages)
    : m_kind(kind), m_errors(errors), m_messages(messages)
{}

void CardJobs::prepare(ConsoleDialogs &console, const QString &card) const
{
    QString prefix;
    if (m_messages.clearLine)
        prefix += QStringLiteral("\r\033[K");
    if (m_messages.nameCards)
        prefix += QFileInfo(card).fileName() + QStringLiteral(": ");
    console.setPrefix(prefix);
}

CardJobs::~CardJobs() = default;

void CardJobs::report(const QString &card, const QString &message)
{
    ConsoleDialogs console(m_errors);
    prepare(console, card);
    console.informFailure(message);
}

QString CardJobs::notWritten(const QString &output)
{
    return QStringLiteral("Файл «%1» не записано.").arg(output);
}

CardDocument *CardJobs::documentFor(CardKind kind)
{
    std::unique_ptr<CardDocument> &document = m_documents[kind];
    if (!document)
        document = createDocument(kind);
    return document.get();
}

// The kind named by the card's 5013 line, the first coded line of every card
// file; the reading stops at that line. Nothing when it names none, and the
// reason has been reported.
std::optional<CardKind> CardJobs::kindOf(const QString &card)
{
    if (m_kind)
        return m_kind;
    const KindOfFile found = kindOfCardFile(card);
    if (!found.readingError.isEmpty()) {
        report(card, found.readingError);
        return std::nullopt;
    }
    const std::optional<CardKind> kind = found.kind;
    if (!kind)
        report(card, QStringLiteral("За рядком 5013 файлу «%1» вид картки не визначити "
                                    "(01 — РК, 02 або 03 — ОК, 04 або 05 — ОКД); "
                                    "вкажіть його: --kind rk, ok або okd.")
                         .arg(QFileInfo(card).fileName()));
    return kind;
}

bool CardJobs::run(const QString &card, const QString &output, const Job &job)
{
    const std::optional<CardKind> kind = kindOf(card);
    if (!kind)
        return false;
    CardDocument *document = documentFor(*kind);
    if (!document) {
        report(card, QStringLiteral("Картки %1 у цій збірці програми ще не підтримуються.")
                         .arg(shortName(*kind)));
        return false;
    }

    ConsoleDialogs console(m_errors);
    prepare(console, card);
    const DialogsInstallation installed(&console);
    // A card that is not read whole has told why; nothing more is said of it.
    if (!document->read(card))
        return false;
    const bool written = job(*document, console, output);
    if (!written)
        console.informFailure(notWritten(output));
    return written;
}
