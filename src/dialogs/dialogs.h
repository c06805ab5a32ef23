#pragma once

// The dialogs folder: the one service through which the program asks and tells
// the user, and its screen, console and scripted forms. Uses only cardfile.

#include "cardfile/fileresult.h"

#include <QString>

// Every message box, question, file dialog and beep of the program goes
// through this interface, so that the same editor code can run with real
// dialogs, with scripted answers in tests, or on the console.
class Dialogs
{
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;

    // Plain message box: the text and one OK button.
    virtual void inform(const QString &text) = 0;
    // Tells that what was asked for failed (`text`, the reason). A window
    // shows it as any message; the command line marks it as an error, so
    // that it cannot be taken for a notice.
    virtual void informFailure(const QString &text);
    // Tells why the reading of a card stopped part-way (`reason`, a sentence)
    // and what that means where the card is read: a window keeps what was
    // read, the command line writes nothing.
    virtual void informReadingStopped(const QString &reason);
    // Yes / No / Cancel question with the exclamation icon.
    virtual Answer ask(const QString &caption, const QString &text) = 0;
    // Save dialog; returns the chosen path or an empty string when cancelled.
    // `filter` is written as "Текстовые файлы|*.txt".
    virtual QString saveFileName(const QString &filter, const QString &defaultSuffix,
                                 const QString &initialName) = 0;
    // Open dialog; returns the chosen path or an empty string when cancelled.
    virtual QString openFileName(const QString &filter) = 0;
    virtual void beep() = 0;
};

// The service the program uses. The application installs the Qt dialogs at
// start-up; tests install a scripted one and the command line a console one.
Dialogs &dialogs();
// Installs `service` (not owned) and returns the one it replaces.
Dialogs *setDialogs(Dialogs *service);

// Tells the clerk how the reading of a card went: the notice of the file, if
// any, then why it failed or stopped. Returns whether it was read whole.
bool tellReadingOutcome(const cardfile::FileResult &result);
