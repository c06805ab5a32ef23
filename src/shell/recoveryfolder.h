#pragma once

#include "cardfile/cardkind.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <memory>

class QLockFile;

// A card with unsaved changes that a run of the program left behind when it
// did not end normally: its lines, exactly as "Записати як..." would write
// them, its kind and the card file it had last been saved to or read from.
struct LeftCard
{
    QString path;                 // the recovery file holding the card's lines
    QString infoPath;             // beside it: the kind and the card file
    std::optional<CardKind> kind; // nothing when the beside file is unreadable
    QString savedTo;
};

// The folder where the program keeps the cards of its open editors while they
// hold unsaved changes, so that a crash or a power cut does not lose them.
// Each run holds a lock file of its own there for as long as it runs; the
// cards of a run whose lock is free (the run is gone) are left behind. Two
// runs at once never touch each other's cards. The files are written on a
// worker thread of their own, one after another in the order asked for.
class RecoveryFolder
{
public:
    // The folder the program uses: "recovery" in the user's data folder.
    static QString standardPath();

    // Creates `folder` when it is missing and takes this run's lock there.
    explicit RecoveryFolder(const QString &folder);
    // The run ends normally: its cards and its lock go.
    ~RecoveryFolder();
    RecoveryFolder(const RecoveryFolder &) = delete;
    RecoveryFolder &operator=(const RecoveryFolder &) = delete;

    // Whether cards can be kept here (the folder could be made and locked).
    bool isUsable() const;
    QString folder() const { return m_folder; }

    // A path for one more card of this run.
    QString newCardPath();
    // Writes the card's `lines` and what belongs to them to `path`, each file
    // atomically, after every write and removal asked for before.
    void keep(const QString &path, CardKind kind, const QString &savedTo, const QStringList &lines);
    // Removes the card at `path`, after the writes asked for before.
    void discard(const QString &path);
    // Waits until every write and removal asked for has been done.
    void waitForWork();

    // The cards left behind by runs that are gone. Their runs' locks are this
    // run's from now on, so no other run takes the same cards, until
    // releaseLeftCards().
    QList<LeftCard> claimLeftCards();
    // Removes a claimed card and what belongs to it.
    void removeLeftCard(const LeftCard &card);
    // Gives up the claimed runs' locks; cards not removed stay for a later run.
    void releaseLeftCards();

private:
    QString m_folder;
    QString m_run; // this run's name: its lock and card files start with it
    std::unique_ptr<QLockFile> m_lock;
    QList<std::shared_ptr<QLockFile>> m_claimed;
    int m_cards = 0;
    QThreadPool m_worker;
};

// The folder installed for the program's editors, if any (tests and the
// command line run without one).
RecoveryFolder *recoveryFolder();
void setRecoveryFolder(RecoveryFolder *folder);
