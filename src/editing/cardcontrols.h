#pragma once

#include "cardfile/personkind.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// A card editor's controls as its rules see them: found by name,
// read and written as texts. The editor window provides them over its
// widgets; tests may provide them over plain values.
class CardControls
{
public:
    virtual ~CardControls() = default;

    // The text as the checks and the card file see it: a masked edit's
    // read-back form (a blank in every open position), a combo box's text.
    virtual QString text(const QString &control) const = 0;
    // Puts a text into an edit, masked edit, memo or combo box. It is never
    // cut to the control's maximum length; an empty text leaves a masked
    // edit blank.
    virtual void setText(const QString &control, const QString &text) = 0;
    // Selects item `index` of a combo box; an index outside its items
    // leaves the box without a text.
    virtual void selectItem(const QString &control, int index) = 0;
    // The item a radio group shows, and choosing one by the program (which
    // runs no handler).
    virtual int itemIndex(const QString &radioGroup) const = 0;
    virtual void setItemIndex(const QString &radioGroup, int index) = 0;
    // Puts the cursor into a control (bringing its page forward).
    virtual void focus(const QString &control) = 0;
    // Gives a party's code field the mask, and its labels the texts and
    // colour, of `kind`.
    virtual void showKindLook(const PartyKinds &party, PersonKind kind) = 0;
};

struct PageSpec;

// Empties every data control of a card's catalogue through `controls`:
// edits, masked edits and memos lose their text, combo boxes take their
// first item, radio groups turn to their first item (without running their
// handlers). Number boxes, check boxes and buttons keep their state.
void clearCatalogueFields(CardControls &controls, const QList<PageSpec> &pages);
// The items of the combo boxes `comboBoxes` of a card's catalogue, by name.
QHash<QString, QStringList> comboItemsOf(const QList<PageSpec> &pages,
                                         const QStringList &comboBoxes);
// Gives the code fields of every party of `card` the look of a legal person,
// the first item their cleared kind boxes show; else a card read without
// kind lines would keep the code masks of the card read before it.
void showLegalPersonLooks(CardControls &controls, KindCard card);
