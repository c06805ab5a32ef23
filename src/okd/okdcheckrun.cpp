// The dissertation card's checks run over a whole card at once.
#include "okd/okdcatalogue.h"
#include "okd/okdeditorlogic.h"
#include "okd/okdfilelines.h"
#include "okd/organisationblocks.h"

#include "editing/cataloguecontrols.h"
#include "editing/languagefield.h"

#include <array>

using namespace Qt::StringLiterals;

QList<FieldFailure> OkdEditorLogic::checkFields() const
{
    CatalogueControls controls(okdPages(), m_controls);
    OkdEditorLogic card(*this, controls);

    CheckPlan plan;
    plan.pages = okdPages();
    // Every organisation block is shown in turn; a box the block does not
    // keep is never left, as the cursor is steered past it.
    QStringList boxes;
    for (const OrganisationBlocks::Box box : OrganisationBlocks::boxes)
        boxes.append(OrganisationBlocks::controlOf(box));
    QList<int> shown;
    for (int block = 0; block < OrganisationBlocks::blockCount; ++block)
        shown.append(block);
    const CheckedGroup blocks{u"RadioGroup1"_s,
                              boxes,
                              QString(),
                              shown,
                              [&card](int block) { card.choose(u"RadioGroup1"_s, block); },
                              [](int block, const QString &member) {
                                  return okdBlockFieldCode(block,
                                                           *OrganisationBlocks::boxOf(member));
                              }};
    plan.groups.append(blocks);
    plan.leave = [&card, &controls](const QString &control) {
        const std::optional<OrganisationBlocks::Box> box = OrganisationBlocks::boxOf(control);
        if (!box || OrganisationBlocks::stores(controls.itemIndex(u"RadioGroup1"_s), *box))
            card.leave(control);
    };
    // Of the names kept in three languages only a missing Ukrainian name
    // counts.
    using languagecheck::Prompts;
    const std::array<LanguageField, 4> names = {
        LanguageField(u"indjzd"_s, u"ed6147"_s, Prompts::Surnames),
        LanguageField(u"indjzk"_s, u"ed6156f1"_s, Prompts::Surnames),
        LanguageField(u"indjzk"_s, u"ed6156f2"_s, Prompts::Surnames),
        LanguageField(u"indjzk"_s, u"ed6156f3"_s, Prompts::Surnames),
    };
    for (const LanguageField &name : names)
        plan.languages.append(&name);
    return runFieldChecks(plan);
}
