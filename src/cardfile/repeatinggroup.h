#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The entries of a repeating group (customers, co-executors, stages, position
// lists), numbered from 1 up to the group's room. An entry is a "\"-separated
// text that starts with its own number; it exists while its text is not
// empty. A group may keep a second, file form of every entry beside the form
// shown in the editor (customers and co-executors carry the kind's text in
// one and its number in the other).
//
// Numbers outside 1..room are ignored everywhere: storing changes nothing and
// reading gives an empty entry, so a card file cannot reach past the group.
class RepeatingGroup
{
public:
    // `room` entries are kept; `limit` is the highest number the user is
    // meant to reach.
    RepeatingGroup(int room, int limit, bool keepsFileForm = false);

    int room() const { return int(m_display.size()) - 1; }
    int limit() const { return m_limit; }
    bool keepsFileForm() const { return m_keepsFileForm; }
    bool inRoom(int number) const { return number >= 1 && number <= room(); }
    // Whether the user may fill entry `number`. An editor shows no other
    // entry as editable: outside 1..limit it tells the limit and shows
    // nearestWithinLimit() instead, so nothing is typed where it is not kept.
    bool withinLimit(int number) const { return number >= 1 && number <= m_limit; }
    int nearestWithinLimit(int number) const;

    // Stores entry `number` in both forms; without a file form `file` is
    // ignored. An empty display text empties that position and nothing else.
    void store(int number, const QString &display, const QString &file = QString());
    QString entry(int number) const;
    // The file form, or the display form when the group keeps only one.
    QString fileEntry(int number) const;
    bool exists(int number) const { return !entry(number).isEmpty(); }

    // The numbers of all stored entries in ascending order, those after an
    // empty position included.
    QList<int> numbers() const;
    // The stored entries in number order, compacted: those after an empty
    // position follow without a gap, as the card file keeps them.
    QStringList storedEntries() const;
    int count() const;
    // The highest stored number, 0 when the group is empty.
    int lastNumber() const;

    // Deletes entry `number`: every following entry moves down one place and
    // is renumbered in both forms, and the former last position is emptied.
    // Returns that former last number, or 0 when there was no such entry
    // (then nothing changes).
    int remove(int number);
    void clear();

private:
    QList<QString> m_display; // index 0 unused
    QList<QString> m_file;    // empty when the group keeps one form
    int m_limit;
    bool m_keepsFileForm;
};
