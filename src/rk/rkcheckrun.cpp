// The registration card's checks run over a whole card at once.
#include "rk/rkcatalogue.h"
#include "rk/rkeditorlogic.h"

#include "editing/cataloguecontrols.h"

QList<FieldFailure> RkEditorLogic::checkFields() const
{
    CatalogueControls controls(rkPages(), m_controls);
    RkEditorLogic card(*this, controls);

    CheckPlan plan;
    plan.pages = rkPages();
    for (const RkGroupSpec &layout : rkGroups()) {
        const Group which = layout.group;
        plan.groups.append({layout.numberBox, layout.valueFields, layout.fileCode,
                            entries(which).numbers(), [&card, &controls, which](int number) {
                                const RkGroupSpec &shown = rkGroup(which);
                                controls.setText(shown.numberBox, QString::number(number));
                                card.setCurrentNumber(which, number);
                                card.showEntry(which, number);
                            }});
    }
    plan.leave = [&card](const QString &control) { card.leave(control); };
    for (const LanguageField &field : card.m_languages)
        plan.languages.append(&field);
    return runFieldChecks(plan);
}
