#include "shell/recoverykeeper.h"

#include "frame/cardeditor.h"
#include "frame/editorregistry.h"
#include "frame/inputgate.h"
#include "shell/recoveryfolder.h"

#include <QWidget>

using namespace std::chrono_literals;

namespace {
std::chrono::milliseconds pauseAfterChange = 2s;
std::chrono::milliseconds writeInterval = 30s;
} // namespace

void RecoveryKeeper::setTimes(std::chrono::milliseconds pause, std::chrono::milliseconds interval)
{
    pauseAfterChange = pause;
    writeInterval = interval;
}

RecoveryKeeper *RecoveryKeeper::attach(QWidget *editor, RecoveryFolder &folder)
{
    CardEditor *card = cardEditorOf(editor);
    if (!card || !folder.isUsable())
        return nullptr;
    return new RecoveryKeeper(editor, *card, folder);
}

RecoveryKeeper::RecoveryKeeper(QWidget *editor, CardEditor &card, RecoveryFolder &folder)
    : QObject(editor), m_card(card), m_folder(folder), m_path(folder.newCardPath())
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::keepNow);
    connect(&card.inputGate(), &InputGate::cardChanged, this, &RecoveryKeeper::changed);
    connect(&card.inputGate(), &InputGate::changesSettled, this, &RecoveryKeeper::settled);
}

RecoveryKeeper::~RecoveryKeeper()
{
    // The editor closes: its card was settled or the program ends normally.
    if (m_kept)
        m_folder.discard(m_path);
}

void RecoveryKeeper::changed()
{
    if (m_timer.isActive())
        return;
    const auto now = std::chrono::steady_clock::now();
    const auto due = std::max(now + pauseAfterChange, m_lastWrite + writeInterval);
    m_timer.start(std::chrono::duration_cast<std::chrono::milliseconds>(due - now));
}

void RecoveryKeeper::settled()
{
    m_timer.stop();
    if (m_kept)
        m_folder.discard(m_path);
    m_kept = false;
}

void RecoveryKeeper::keepNow()
{
    m_timer.stop();
    if (!m_card.isModified())
        return;
    m_folder.keep(m_path, m_card.cardKind(), m_card.cardFile(), m_card.writeCard());
    m_kept = true;
    m_lastWrite = std::chrono::steady_clock::now();
}
