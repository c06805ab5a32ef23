#pragma once

#include <QString>
#include <QStringList>

#include <array>

class CardControls;

// Where a position list lives on the window and what its value field takes.
struct PositionListLayout
{
    QString code;       // file code of the list's line ("7200")
    QString spinBox;    // chooses the position
    QString valueField; // shows and takes the entry at that position
    QString blank;      // the value field's empty text
    // Values the field takes; empty: a complete state accounting number.
    QStringList accepted;
    QString refusal; // shown for a value not taken
    // A refused value is emptied and the cursor stays where the user sent
    // it; otherwise the value stays and the cursor goes back.
    bool refusalEmpties = false;
};

// A list of up to ten values entered one position at a time: a spin box picks
// the position, a value field shows the entry stored there and stores what
// the user types when it is left.
class PositionList
{
public:
    static constexpr int kPositions = 10;

    explicit PositionList(PositionListLayout layout);

    const PositionListLayout &layout() const { return m_layout; }
    // Positions count from 1; outside 1..10 an entry is empty and storing
    // changes nothing.
    QString entry(int position) const;
    void setEntry(int position, const QString &value);
    void clear() { m_entries = {}; }

    // The spin box was entered or changed: the value field shows the entry
    // at the chosen position and gets the cursor.
    void positionChosen(CardControls &controls) const;
    // The value field shows the entry at the chosen position.
    void showChosen(CardControls &controls) const;
    // The value field was left: its value is tested and stored.
    void leave(CardControls &controls);

    // The line's value: every stored entry in position order, each followed
    // by ";" (entries behind an empty position are not lost).
    QString fileValue() const;
    // The stored entries in position order, compacted as in the line.
    QStringList storedEntries() const;
    // Takes the parts of a line's value separated by ";" into positions 1,
    // 2, ... up to the first empty part.
    void read(const QString &value);

private:
    int chosenPosition(const CardControls &controls) const;

    PositionListLayout m_layout;
    std::array<QString, kPositions> m_entries;
};
