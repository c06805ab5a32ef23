#pragma once

#include "editing/cardcontrols.h"

#include <QHash>

class NamedControls;
class QWidget;

// A card editor window's controls as its rules see them (CardControls), over
// the window's named widgets. Also gives a party's code field and labels the
// look of a person kind, in the window's own text colour.
class WindowControls : public CardControls
{
public:
    WindowControls(NamedControls &named, const QWidget &window);

    QString text(const QString &control) const override;
    void setText(const QString &control, const QString &text) override;
    void selectItem(const QString &control, int index) override;
    int itemIndex(const QString &radioGroup) const override;
    void setItemIndex(const QString &radioGroup, int index) override;
    void focus(const QString &control) override;
    void showKindLook(const PartyKinds &party, PersonKind kind) override;

    // The label `name` shows plain (not bold) text, indented by `indent`.
    void showPlain(const QString &name, int indent);

private:
    NamedControls &m_named;
    const QWidget &m_window;
    // The kind each party's code field was last given, so that the same
    // look is not applied again.
    QHash<QString, PersonKind> m_looks;
};
