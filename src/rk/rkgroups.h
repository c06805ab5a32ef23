#pragma once

#include "rk/rkcarddata.h"

#include <QList>
#include <QString>
#include <QStringList>

// The registration card's repeating groups: which controls show one entry,
// how many entries there is room for and how many the clerk may fill.
struct RkGroupSpec
{
    RkCardData::Group group;
    QString fileCode;          // code of the group's lines in the card file
    int room = 0;              // entries kept (1..room)
    int limit = 0;             // entries the clerk is meant to fill (1..limit)
    QString numberBox;         // the entry number box
    QString kindBox;           // the person-kind box, empty for stages
    QStringList valueFields;   // the entry's values after its number, in entry order
    QStringList storingFields; // leaving one of these stores the entry
    QString nextButton;
    QString previousButton;
    QString limitMessage; // shown on entering the number box beyond the limit
    QString nextSection;  // where focus goes when the group is left behind
    // Whether the reader takes an entry's line as one physical line: then a
    // line break inside a value (a name pasted from several lines) is
    // written as a blank, or the values after it would be lost.
    bool valuesOnOneLine = false;
};

const QList<RkGroupSpec> &rkGroups();
const RkGroupSpec &rkGroup(RkCardData::Group group);
// The group whose number box, value field or button is `control`, or nullptr.
const RkGroupSpec *rkGroupOf(const QString &control);

// An entry in the two forms a group keeps.
struct RkEntry
{
    QString display; // number "\" kind text "\" ... (stages: the values)
    QString file;    // the same with the kind number in place of the kind text
};

// The entry the group's controls show. `kindNumber` is what the file form
// carries in place of the kind text.
RkEntry rkEntryFromControls(const RkCardData &card, const RkGroupSpec &layout,
                            const QString &kindNumber);
