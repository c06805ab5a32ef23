#pragma once

#include "cardfile/editmask.h"
#include "controls/fieldrow.h"
#include "editing/cardcontrols.h"

#include <QHash>
#include <QList>
#include <QString>

// A card's controls held as plain values, shaped by the catalogue rows the
// way the editor window's widgets shape them: a masked edit keeps what its
// mask places, a memo what its document gives back, a number box a number in
// its range, a single-line field no control characters, a check box "1" or
// "0". So the card's rules run without a window: the command line reads,
// writes and prints cards over it, and a check run keeps its working copy in
// it. Names outside the catalogue (labels) keep any text as given.
class CatalogueControls : public CardControls
{
public:
    // Every control as the window creates it.
    explicit CatalogueControls(const QList<PageSpec> &pages);
    // Every control as `backing` shows it, until it is written here; the
    // code fields keep the catalogue's masks until a kind look changes them.
    CatalogueControls(const QList<PageSpec> &pages, const CardControls &backing);

    QString text(const QString &control) const override;
    void setText(const QString &control, const QString &text) override;
    void selectItem(const QString &control, int index) override;
    int itemIndex(const QString &radioGroup) const override;
    void setItemIndex(const QString &radioGroup, int index) override;
    void focus(const QString &) override {}
    // Only the code field's mask follows the kind: labels are not kept.
    void showKindLook(const PartyKinds &party, PersonKind kind) override;

private:
    struct Control
    {
        const FieldSpec *field = nullptr;
        EditMask mask;
        QString value; // a masked edit's state; a memo's text as given back
        int index = -1;
        bool written = false;
    };

    void put(Control &control, const QString &text) const;
    QString valueOf(const Control &control) const;

    QHash<QString, Control> m_controls;
    QHash<QString, QString> m_others;
    const CardControls *m_backing = nullptr;
};
