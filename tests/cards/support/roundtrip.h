#pragma once

#include "cardfile/cardkind.h"
#include "dialogs/consoledialogs.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

class CardDocument;
class CardEditor;
class QWidget;

// Opens card file bytes in a hidden editor of one kind, saves the card, opens
// the saved file and saves it again, the way a clerk would open and save a
// card twice (a save taken for UTF-8 is followed as settledSave says); the
// command line's windowless document of the kind reads the
// same bytes and has to write what the window wrote (the saved bytes are those "Записати як..."
// writes; the atomic, synced write itself is tested on its own). One editor serves every card, as
// one window serves a clerk opening card after card. Messages go nowhere.
class CardRoundTrip
{
public:
    enum class Outcome {
        Stopped,           // the reading stopped, or the save was refused, with a message
        Stable,            // the second save gave the bytes of the first
        Unstable,          // it did not, or the saved card could not be opened and saved
        WindowlessDiffers, // the document read or wrote the card otherwise
    };

    explicit CardRoundTrip(CardKind kind);
    ~CardRoundTrip();

    Outcome check(const QByteArray &card);

    // The two saves of the last check; the second is empty when it failed.
    const QByteArray &firstSave() const { return m_first; }
    const QByteArray &secondSave() const { return m_second; }
    // What the windowless document wrote of the card (empty when it stopped).
    const QByteArray &windowlessSave() const { return m_windowless; }

private:
    bool openAndSave(const QString &from, const QString &to, QByteArray &saved);
    bool readsAsTheWindow(const QString &card, bool windowRead);

    QTemporaryDir m_folder;
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> m_sink;
    ConsoleDialogs m_console;
    Dialogs *m_previous;
    std::unique_ptr<QWidget> m_window;
    CardEditor *m_editor;
    std::unique_ptr<CardDocument> m_document;
    QByteArray m_first;
    QByteArray m_second;
    QByteArray m_windowless;
};

// The first line where two saved cards differ, for a failure message.
QString firstDifference(const QByteArray &first, const QByteArray &second);
