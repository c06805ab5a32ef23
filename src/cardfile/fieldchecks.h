#pragma once

#include <QString>
#include <QStringList>

// The checks that the card editors run when the cursor leaves a field. Each
// check takes the texts it needs and returns the messages to show, in the
// order they are shown; an empty list means the field passes. Showing the
// messages and putting the cursor back is the editor's part.
namespace fieldchecks {

// A date on the mask "99.99.99" (DD.MM.YY). A partly typed date is refused;
// otherwise the month and then the day are tested on their own, so a date
// wrong in both gives both messages. The year and the length of the month
// are not tested. An untouched date passes.
QStringList checkDate(const QString &text);

// A month and year on the mask "99.99" (MM.YY): partly typed is refused,
// otherwise the month must be 1 to 12. An untouched field passes.
QStringList checkMonthYear(const QString &text);

// An organisation code (8 digits, kind marker "ю") or an individual's tax
// number (10 digits, marker "ф"). Only a text that still has a blank is
// tested; it passes when it is the blank form that goes with the marker, and
// nothing is tested while the marker is empty. `fieldCode` ("2457") opens the
// message followed by a point; an empty one gives the message without it.
QStringList checkOrganisationCode(const QString &text, const QString &marker,
                                  const QString &fieldCode);

// A number on the mask "9999U999999" must be either untouched or complete.
QStringList checkNumberComplete(const QString &text, const QString &fieldCode);

// A complete number on the mask "AA99A99999A" must have the capital Latin
// letter U first or fifth. A number that still has a blank is not tested.
QStringList checkNumberLetter(const QString &text, const QString &fieldCode);

// A field that takes one of a fixed list of codes. The comparison is exact.
struct CodeList
{
    QStringList codes;
    bool acceptsEmpty = false;
    QString message; // shown when the text is refused
};

QStringList checkCode(const QString &text, const CodeList &list);

} // namespace fieldchecks
