#include "cardfile/repeatinggroup.h"

#include <algorithm>

namespace {

// The entry's text given the number `number` in place of its first value.
QString renumbered(const QString &text, int number)
{
    if (text.isEmpty())
        return text;
    const qsizetype separator = text.indexOf(QLatin1Char('\\'));
    const QString rest = separator < 0 ? QString() : text.mid(separator);
    return QString::number(number) + rest;
}

} // namespace

RepeatingGroup::RepeatingGroup(int room, int limit, bool keepsFileForm)
    : m_display(std::max(room, 0) + 1), m_file(keepsFileForm ? m_display.size() : 0),
      m_limit(limit), m_keepsFileForm(keepsFileForm)
{}

void RepeatingGroup::store(int number, const QString &display, const QString &file)
{
    if (!inRoom(number))
        return;
    m_display[number] = display;
    if (m_keepsFileForm)
        m_file[number] = file;
}

int RepeatingGroup::nearestWithinLimit(int number) const
{
    return std::clamp(number, 1, std::max(m_limit, 1));
}

QString RepeatingGroup::entry(int number) const
{
    return inRoom(number) ? m_display.at(number) : QString();
}

QString RepeatingGroup::fileEntry(int number) const
{
    if (!inRoom(number))
        return QString();
    return m_keepsFileForm ? m_file.at(number) : m_display.at(number);
}

QList<int> RepeatingGroup::numbers() const
{
    QList<int> stored;
    for (int number = 1; number <= room(); ++number) {
        if (!m_display.at(number).isEmpty())
            stored << number;
    }
    return stored;
}

QStringList RepeatingGroup::storedEntries() const
{
    QStringList stored;
    for (const int number : numbers())
        stored.append(entry(number));
    return stored;
}

int RepeatingGroup::count() const
{
    return int(std::count_if(m_display.cbegin() + 1, m_display.cend(),
                             [](const QString &text) { return !text.isEmpty(); }));
}

int RepeatingGroup::lastNumber() const
{
    for (int number = room(); number >= 1; --number) {
        if (!m_display.at(number).isEmpty())
            return number;
    }
    return 0;
}

int RepeatingGroup::remove(int number)
{
    if (!exists(number))
        return 0;
    const int last = lastNumber();
    for (int from = number + 1; from <= last; ++from) {
        m_display[from - 1] = renumbered(m_display.at(from), from - 1);
        if (m_keepsFileForm)
            m_file[from - 1] = renumbered(m_file.at(from), from - 1);
    }
    m_display[last].clear();
    if (m_keepsFileForm)
        m_file[last].clear();
    return last;
}

void RepeatingGroup::clear()
{
    std::fill(m_display.begin(), m_display.end(), QString());
    std::fill(m_file.begin(), m_file.end(), QString());
}
