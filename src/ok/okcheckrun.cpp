// The accounting card's checks run over a whole card at once.
#include "ok/okcatalogue.h"
#include "ok/okeditorlogic.h"

#include "editing/cataloguecontrols.h"

QList<FieldFailure> OkEditorLogic::checkFields() const
{
    CatalogueControls controls(okPages(), m_controls);
    OkEditorLogic card(*this, controls);

    CheckPlan plan;
    plan.pages = okPages();
    plan.groups.append(
        {CoexecutorGroup::numberBox(), CoexecutorGroup::entryControls(), QStringLiteral("2142"),
         m_coexecutors.numbers(),
         [&card, &controls](int number) { card.m_coexecutors.show(controls, number, true); }});
    plan.leave = [&card](const QString &control) { card.leave(control); };
    for (const LanguageField &field : card.m_languages)
        plan.languages.append(&field);
    return runFieldChecks(plan);
}
