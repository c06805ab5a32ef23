#pragma once

#include "app/cardcontrols.h"
#include "app/fieldrow.h"
#include "cardfile/editmask.h"

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

// A working copy of an editor's controls for a check run: texts are read
// from the editor's controls until a handler writes them, and then kept
// here, placed on the field's mask as the masked edit would place them; the
// cursor is never moved and no label changes. So the editor's own handlers
// can run on a card without touching its window.
class CheckedControls : public CardControls
{
public:
    CheckedControls(const CardControls &card, const QList<PageSpec> &pages);

    QString text(const QString &control) const override;
    void setText(const QString &control, const QString &text) override;
    void selectItem(const QString &control, int index) override;
    int itemIndex(const QString &radioGroup) const override;
    void setItemIndex(const QString &radioGroup, int index) override;
    void focus(const QString &) override {}
    // Only the code field's mask follows the kind.
    void showKindLook(const PartyKinds &party, PersonKind kind) override;

private:
    const CardControls &m_card;
    QHash<QString, QStringList> m_items; // combo boxes' items
    QHash<QString, EditMask> m_masks;    // masked edits' masks
    QHash<QString, QString> m_texts;
    QHash<QString, int> m_indexes;
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
