#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

class CardEditor;
class RecoveryFolder;
class QWidget;

// Keeps the card of one editor in the recovery folder while it holds unsaved
// changes: a change is written a moment after it was made, and then at most
// once in every interval, so that steady typing costs one write per interval.
// Only the card's lines are gathered on the interface thread; encoding and
// writing happen on the folder's worker. The card goes from the folder when
// its changes are settled (saved or abandoned) and when the editor closes.
class RecoveryKeeper : public QObject
{
    Q_OBJECT
public:
    // Attaches a keeper to `editor` (which owns it from then on).
    static RecoveryKeeper *attach(QWidget *editor, RecoveryFolder &folder);
    ~RecoveryKeeper() override;

    // The pause after a first change and the shortest time between writes.
    static void setTimes(std::chrono::milliseconds pause, std::chrono::milliseconds interval);

    // Writes the card now (a recovered card is kept again at once).
    void keepNow();
    QString path() const { return m_path; }

private:
    RecoveryKeeper(QWidget *editor, CardEditor &card, RecoveryFolder &folder);
    void changed();
    void settled();

    CardEditor &m_card;
    RecoveryFolder &m_folder;
    QString m_path;
    QTimer m_timer;
    bool m_kept = false;
    std::chrono::steady_clock::time_point m_lastWrite{};
};
