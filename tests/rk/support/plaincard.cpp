#include "rk/support/plaincard.h"

#include "rk/rkcatalogue.h"
#include "rk/rkgroups.h"

#include <QTest>

PlainCard::PlainCard()
{
    for (const PageSpec &page : rkPages()) {
        for (const FieldSpec &field : page.fields) {
            if (field.name.isEmpty() || field.kind == FieldKind::Button ||
                field.kind == FieldKind::RadioGroup)
                continue;
            fields.insert(field.name, field.text);
            if (field.kind == FieldKind::Combo)
                items.insert(field.name, field.items);
        }
    }
}

QString PlainCard::fieldText(const QString &control) const
{
    if (!fields.contains(control))
        qFatal("no control %s", qPrintable(control));
    return fields.value(control);
}

void PlainCard::setFieldText(const QString &control, const QString &text)
{
    if (!fields.contains(control))
        qFatal("no control %s", qPrintable(control));
    fields[control] = text;
}

void PlainCard::selectItem(const QString &control, int index)
{
    setFieldText(control, items.value(control).value(index));
}

QString PlainCard::languageText(Languages which, int language) const
{
    return languages.at(int(which)).at(language);
}

void PlainCard::setLanguageText(Languages which, int language, const QString &text)
{
    languages.at(int(which)).at(language) = text;
}

void PlainCard::showLanguage(Languages which, int language)
{
    shownLanguage.at(int(which)) = language;
}

QStringList PlainCard::groupFileLines(Group which) const
{
    QStringList lines;
    for (const Entry &entry : groups.at(int(which))) {
        if (!entry.display.isEmpty())
            lines.append(entry.file);
    }
    return lines;
}

void PlainCard::storeEntry(Group which, int number, const QString &display, const QString &file)
{
    if (number < 1 || number > rkGroup(which).room)
        return;
    groups.at(int(which))[number] = {display, file};
}

void PlainCard::setCurrentNumber(Group which, int number)
{
    current.at(int(which)) = number;
}

void PlainCard::showPartyKind(Party party, PersonKind kind)
{
    partyKinds.insert(int(party), kind);
}
