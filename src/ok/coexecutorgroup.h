#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class CardControls;

// The accounting card's co-executors: up to twenty entries shown one at a
// time behind a number that only the step buttons change. Each field is
// stored into the shown entry when it is left.
class CoexecutorGroup
{
public:
    static constexpr int kRoom = 20;

    // One entry's values.
    struct Entry
    {
        QString kind; // "Юридична особа", "Фізична особа", or empty: none stored
        QString code;
        QString city;
        QString name;
        QString address;

        // Whether the clerk stored anything but the kind.
        bool holdsValues() const;
    };

    CoexecutorGroup();

    // The box showing the entry's number and the controls showing its
    // values, in tab order.
    static const QString &numberBox();
    static const QStringList &entryControls();

    int current() const { return m_current; }
    // An empty entry for a number outside 1..20 or one never stored.
    const Entry &entry(int number) const;
    // The numbers of the entries that hold a value, in order.
    QList<int> numbers() const;
    // Stores a whole entry; a number outside 1..20 changes nothing.
    void store(int number, const Entry &values);
    void clear();

    // The shown entry's fields were left.
    void leaveKindBox(CardControls &controls);
    void leaveCode(CardControls &controls);
    void leaveValue(CardControls &controls, const QString &control);
    // "Наступний спів-ць" (after 20 comes 1) and "Попередній спів-ць" (not
    // below 1).
    void next(CardControls &controls);
    void previous(CardControls &controls);
    // Shows entry `number`; its kind replaces the kind box's text when it has
    // one, or always with `kindAlways`.
    void show(CardControls &controls, int number, bool kindAlways);

    // The file lines' values after the code: one for every entry that holds
    // a value, in number order ("3\1\12345678\city\name\address"); an entry
    // without a kind is written as a legal person.
    QStringList fileValues() const;

private:
    static bool inRoom(int number);
    void update(const std::function<void(Entry &)> &change);

    std::array<Entry, kRoom> m_entries; // entry n at n - 1
    int m_current = 1;
};
