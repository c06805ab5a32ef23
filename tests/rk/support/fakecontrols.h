#pragma once

#include "editing/cardcontrols.h"

#include <QHash>
#include <QStringList>

// The registration card's controls held as plain values, starting as a
// fresh window starts. Masked edits read back a blank in each open position
// of their mask, as the real control does.
class FakeControls : public CardControls
{
public:
    FakeControls();

    QString text(const QString &control) const override;
    void setText(const QString &control, const QString &text) override;
    void selectItem(const QString &control, int index) override;
    int itemIndex(const QString &radioGroup) const override;
    void setItemIndex(const QString &radioGroup, int index) override;
    void focus(const QString &control) override;
    void showKindLook(const PartyKinds &party, PersonKind kind) override;

    QHash<QString, QString> texts;
    QHash<QString, QString> masks;
    QHash<QString, QStringList> items;
    QHash<QString, int> indexes;
    QHash<QString, PersonKind> looks; // by code field
    QStringList focusMoves;
};
