#include "shell/recoveryoffer.h"

#include "dialogs/dialogs.h"
#include "frame/cardeditor.h"
#include "frame/editorregistry.h"
#include "shell/mainform.h"
#include "shell/recoveryfolder.h"
#include "shell/recoverykeeper.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// The caption of a recovered card: the editor's own, without the recovery
// file's name, and the card file it belongs to.
QString recoveredCaption(const QString &caption, const QString &savedTo)
{
    const QString title = caption.section(u" - "_s, 0, 0);
    return savedTo.isEmpty() ? title + u" - відновлено після збою (картку ще не записано)"_s
                             : title + u" - "_s + savedTo + u" (відновлено після збою)"_s;
}

bool restore(TMainForm &mainForm, const LeftCard &card)
{
    QWidget *window = card.kind ? mainForm.openCard(*card.kind) : nullptr;
    CardEditor *editor = window ? cardEditorOf(window) : nullptr;
    if (!editor)
        return false;
    if (!editor->readCard(card.path)) {
        editor->setModified(false);
        window->close();
        return false;
    }
    editor->setCardFile(card.savedTo);
    window->setWindowTitle(recoveredCaption(window->windowTitle(), card.savedTo));
    editor->setModified(true);
    // The card is this run's to keep from now on.
    if (auto *keeper = window->findChild<RecoveryKeeper *>())
        keeper->keepNow();
    return true;
}

} // namespace

void offerLeftCards(TMainForm &mainForm, RecoveryFolder &folder)
{
    const QList<LeftCard> cards = folder.claimLeftCards();
    if (cards.isEmpty())
        return;
    const Dialogs::Answer answer = dialogs().ask(
        programCaption(),
        u"Після збою залишилися незбережені картки: %1. Відновити їх?"_s.arg(cards.size()));
    for (const LeftCard &card : cards) {
        if (answer == Dialogs::Answer::Cancel)
            break;
        if (answer == Dialogs::Answer::No || restore(mainForm, card)) {
            folder.removeLeftCard(card);
            continue;
        }
        dialogs().inform(
            u"Картку з файлу відновлення «%1» не прочитано; файл залишено."_s.arg(card.path));
    }
    folder.releaseLeftCards();
}
