#include "app/cardjobs.h"

#include "app/cardeditor.h"
#include "app/consoledialogs.h"
#include "app/dialogs.h"
#include "app/editorregistry.h"
#include "cardfile/cardreader.h"
#include "cardfile/piece.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>

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
    console.inform(message);
}

CardEditor *CardJobs::editorFor(CardKind kind)
{
    std::unique_ptr<QWidget> &editor = m_editors[kind];
    if (!editor)
        editor.reset(createEditor(kind));
    return cardEditorOf(editor.get());
}

// The kind named by the card's 5013 line, the first coded line of every card
// file; the reading stops at that line. Nothing when it names none, and the
// reason has been reported.
std::optional<CardKind> CardJobs::kindOf(const QString &card)
{
    if (m_kind)
        return m_kind;
    std::optional<QString> typeCode;
    const cardfile::FileResult result =
        cardfile::readCardFile(card, {}, [&typeCode](const cardfile::CardLine &line) {
            if (line.code != u"5013")
                return QString();
            typeCode = cardfile::trimmed(cardfile::pieceView(line.line, 2));
            return QStringLiteral("5013");
        });
    if (!typeCode && !result.ok) {
        report(card, result.error);
        return std::nullopt;
    }
    const std::optional<CardKind> kind = typeCode ? kindFromTypeCode(*typeCode) : std::nullopt;
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
    if (!hasEditorFactory(*kind)) {
        report(card, QStringLiteral("Картки %1 у цій збірці програми ще не підтримуються.")
                         .arg(shortName(*kind)));
        return false;
    }

    ConsoleDialogs console(m_errors);
    prepare(console, card);
    console.setOpenPath(card);
    const DialogsInstallation installed(&console);
    CardEditor *editor = editorFor(*kind);
    bool written = false;
    if (!editor->open())
        console.inform(QStringLiteral("Картку з файлу «%1» не прочитано.").arg(card));
    else if (!(written = job(*editor, console, output)))
        console.inform(QStringLiteral("Файл «%1» не записано.").arg(output));
    // Windows the editor closed on the way go now, as the event loop would
    // let them go, so that memory stays flat over many cards.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return written;
}
