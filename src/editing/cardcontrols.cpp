#include "editing/cardcontrols.h"

#include "controls/fieldrow.h"

void clearCatalogueFields(CardControls &controls, const QList<PageSpec> &pages)
{
    for (const PageSpec &page : pages) {
        for (const FieldSpec &field : page.fields) {
            switch (field.kind) {
            case FieldKind::Edit:
            case FieldKind::MaskedEdit:
            case FieldKind::Memo:
            case FieldKind::ScrollMemo:
                controls.setText(field.name, QString());
                break;
            case FieldKind::Combo:
                controls.selectItem(field.name, 0);
                break;
            case FieldKind::RadioGroup:
                controls.setItemIndex(field.name, 0);
                break;
            default:
                break;
            }
        }
    }
}

QHash<QString, QStringList> comboItemsOf(const QList<PageSpec> &pages,
                                         const QStringList &comboBoxes)
{
    QHash<QString, QStringList> items;
    for (const PageSpec &page : pages) {
        for (const FieldSpec &field : page.fields) {
            if (comboBoxes.contains(field.name))
                items.insert(field.name, field.items);
        }
    }
    return items;
}

void showLegalPersonLooks(CardControls &controls, KindCard card)
{
    for (const Party party : {Party::Executor, Party::Customer, Party::CoExecutor})
        controls.showKindLook(partyKinds(card, party), PersonKind::Legal);
}
