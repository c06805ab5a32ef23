#pragma once

#include "controls/fieldrow.h"
#include "editing/cardcontrols.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

class LanguageField;

// A field that failed a check: its code, its control and the message the
// editor shows.
struct FieldFailure
{
    QString fieldCode;
    QString control;
    QString message;

    bool operator==(const FieldFailure &) const = default;
};

// A repeating group as a check run sees it: every stored entry is shown in
// turn and its controls are left as if the clerk had stepped through them.
struct CheckedGroup
{
    QString numberBox;   // not left: leaving it deletes or steps entries
    QStringList members; // the entry's controls, in tab order
    QString fieldCode;   // the code of controls whose label names none
    QList<int> numbers;  // the entries stored
    std::function<void(int)> show;
    // The code of a member in entry `number`, where it differs from entry to
    // entry; otherwise fieldCode serves.
    std::function<QString(int number, const QString &member)> memberCode = {};
};

// What a card gives a check run.
struct CheckPlan
{
    QList<PageSpec> pages;
    QList<CheckedGroup> groups;
    // Runs the editor's handler of leaving `control`.
    std::function<void(const QString &control)> leave;
    // The texts kept in three languages: of these only a missing Ukrainian
    // text counts as a failure (the other languages may stay empty).
    QList<const LanguageField *> languages;
};

// Leaves every data control of the card in tab order, page by page, through
// the editor's handlers, and collects the messages they show instead of
// showing them. Each stored entry of a group is checked as if shown; a group
// with no entry is not checked.
QList<FieldFailure> runFieldChecks(const CheckPlan &plan);

// The field code a control reports under: the number its label opens with,
// else the first four digits of its name, else `fallback`.
QString fieldCodeOf(const FieldSpec &field, const QString &fallback = {});
