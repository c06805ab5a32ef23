// The checks and prompts the dissertation card runs when a field is left.
#include "okd/frmokd.h"

#include "okd/organisationblocks.h"

#include "app/combobox.h"
#include "app/dialogs.h"
#include "cardfile/fieldchecks.h"
#include "cardfile/languagecheck.h"

using namespace Qt::StringLiterals;

void TpfrmOkd::report(const QStringList &messages, const QString &control)
{
    for (const QString &message : messages)
        dialogs().inform(message);
    if (!messages.isEmpty())
        m_controls.focus(control);
}

void TpfrmOkd::control(const QString &box)
{
    // Letter case does not matter; a text outside the list silently becomes
    // the list's first item.
    auto *combo = static_cast<ComboBox *>(m_controls.widget(box));
    if (combo->hasItem(combo->text()))
        return;
    m_controls.selectItem(box, 0);
    m_controls.focus(box);
}

void TpfrmOkd::ed6147Exit()
{
    const int language = itemIndex(u"indjzd"_s);
    if (language < 0 || language > 2)
        return;
    m_values.applicantNames.at(language) = text(u"ed6147"_s);
    const std::optional<languagecheck::Request> request =
        languagecheck::check(language, m_values.applicantNames, languagecheck::Prompts::Surnames);
    if (!request || !request->asks())
        return;
    dialogs().inform(request->message);
    chooseItem(u"indjzd"_s, request->language);
    setText(u"ed6147"_s, QString());
    m_controls.focus(u"ed6147"_s);
}

void TpfrmOkd::supervisorExit(int supervisor)
{
    const QString box = u"ed6156f"_s + QString::number(supervisor);
    const int language = itemIndex(u"indjzk"_s);
    if (language < 0 || language > 2)
        return;
    languagecheck::Texts &names = m_values.supervisorNames.at(supervisor - 1);
    names.at(language) = text(box);
    const std::optional<languagecheck::Request> request =
        languagecheck::checkSupervisor(language, names, supervisor == 3);
    if (!request)
        return;
    if (!request->asks()) {
        chooseItem(u"indjzk"_s, request->language);
        return;
    }
    dialogs().inform(request->message);
    chooseItem(u"indjzk"_s, request->language);
    setText(box, QString());
    m_controls.focus(box);
    if (request->thenUkrainian)
        chooseItem(u"indjzk"_s, languagecheck::Ukrainian);
}

void TpfrmOkd::supervisorEnter(int supervisor)
{
    if (itemIndex(u"indjzk"_s) == languagecheck::English &&
        m_values.supervisorNames.at(supervisor - 1).at(languagecheck::Ukrainian).isEmpty())
        dialogs().inform(u"Перевірьте положення вказівника мови !"_s);
}

void TpfrmOkd::titleExit(const QString &memo)
{
    const int language = itemIndex(u"RadioGroup2"_s);
    if (language < 0 || language > 2)
        return;
    languagecheck::Texts &texts = memo == u"mm9045"_s ? m_values.titles : m_values.abstracts;
    texts.at(language) = text(memo);
}

void TpfrmOkd::organisationExit(const QString &name)
{
    const std::optional<OrganisationBlocks::Box> box = OrganisationBlocks::boxOf(name);
    if (!box)
        return;
    const int block = itemIndex(u"RadioGroup1"_s);
    if (*box == OrganisationBlocks::Box::Code) {
        // The code is stored for its block whether or not it passes.
        report(fieldchecks::checkOrganisationCode(text(name), u"ю"_s, QString()), name);
    }
    m_values.blocks.store(block, *box, text(name));
    if (const auto next = OrganisationBlocks::afterLeaving(block, *box))
        m_controls.focus(OrganisationBlocks::controlOf(*next));
}

void TpfrmOkd::organisationSteer(const QString &name, bool click)
{
    const std::optional<OrganisationBlocks::Box> box = OrganisationBlocks::boxOf(name);
    if (!box)
        return;
    const int block = itemIndex(u"RadioGroup1"_s);
    const auto target = click ? OrganisationBlocks::steerOnClick(block, *box)
                              : OrganisationBlocks::steerOnEnter(block, *box);
    if (target)
        m_controls.focus(OrganisationBlocks::controlOf(*target));
}
