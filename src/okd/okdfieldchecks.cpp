// The checks and prompts the dissertation card runs when a field is left.
#include "okd/okdcatalogue.h"
#include "okd/okdeditorlogic.h"
#include "okd/organisationblocks.h"

#include "cardfile/blankforms.h"
#include "cardfile/fieldchecks.h"
#include "cardfile/languagecheck.h"
#include "dialogs/dialogs.h"

using namespace Qt::StringLiterals;

const QStringList &OkdEditorLogic::leftControls()
{
    static const QStringList names = [] {
        QStringList all = okdnames::listCheckedBoxes();
        all << u"ed5418D"_s << u"ed7434"_s << u"ed5438"_s << u"ed6147"_s << u"ed6156f1"_s
            << u"ed6156f2"_s << u"ed6156f3"_s << u"mm9045"_s << u"mm9118"_s;
        for (const OrganisationBlocks::Box box : OrganisationBlocks::boxes)
            all << OrganisationBlocks::controlOf(box);
        all += okdnames::rubricBoxes().first(okdnames::rubricBoxes().size() - 1);
        all << u"ed6165f2"_s << u"ed6165f3"_s << u"ed6165f4"_s;
        return all;
    }();
    return names;
}

const QStringList &OkdEditorLogic::enteredControls()
{
    static const QStringList names = [] {
        QStringList all = {u"ed6156f2"_s, u"ed6156f3"_s, u"ts2"_s, u"ts3"_s};
        for (const OrganisationBlocks::Box box : OrganisationBlocks::boxes)
            all << OrganisationBlocks::controlOf(box);
        return all;
    }();
    return names;
}

void OkdEditorLogic::leave(const QString &control)
{
    if (m_listItems.contains(control) && control != u"ed6273ns"_s) {
        checkListItem(control);
    } else if (control == u"ed5418D"_s || control == u"ed7434"_s) {
        report(fieldchecks::checkDate(m_controls.text(control)), control);
    } else if (control == u"ed5438"_s) {
        report(fieldchecks::checkNumberComplete(m_controls.text(control), u"5438"_s), control);
    } else if (control == u"ed6147"_s) {
        applicantLeft();
    } else if (control.startsWith(u"ed6156f"_s)) {
        supervisorLeft(control.right(1).toInt());
    } else if (control == u"mm9045"_s || control == u"mm9118"_s) {
        titleLeft(control);
    } else if (OrganisationBlocks::boxOf(control)) {
        organisationLeft(control);
    } else if (const QStringList &rubrics = okdnames::rubricBoxes();
               rubrics.contains(control) && control != rubrics.last()) {
        // Leaving a subject code box empty goes on to "Вперед".
        if (m_controls.text(control) == blankform::date)
            m_controls.focus(u"BitBtn4"_s);
    } else if (control.startsWith(u"ed6165f"_s) && control != u"ed6165f1"_s) {
        // Leaving an opponent's name empty skips the remaining opponents.
        if (m_controls.text(control).isEmpty())
            m_controls.focus(u"ed6174"_s);
    }
}

void OkdEditorLogic::report(const QStringList &messages, const QString &control)
{
    for (const QString &message : messages)
        dialogs().inform(message);
    if (!messages.isEmpty())
        m_controls.focus(control);
}

void OkdEditorLogic::checkListItem(const QString &comboBox)
{
    // Letter case does not matter.
    if (m_listItems.value(comboBox).contains(m_controls.text(comboBox), Qt::CaseInsensitive))
        return;
    m_controls.selectItem(comboBox, 0);
    m_controls.focus(comboBox);
}

void OkdEditorLogic::applicantLeft()
{
    const int language = languageOf(u"indjzd"_s);
    if (language < 0)
        return;
    m_values.applicantNames.at(language) = m_controls.text(u"ed6147"_s);
    const std::optional<languagecheck::Request> request =
        languagecheck::check(language, m_values.applicantNames, languagecheck::Prompts::Surnames);
    if (!request || !request->asks())
        return;
    dialogs().inform(request->message);
    choose(u"indjzd"_s, request->language);
    m_controls.setText(u"ed6147"_s, QString());
    m_controls.focus(u"ed6147"_s);
}

void OkdEditorLogic::supervisorLeft(int supervisor)
{
    const QString box = u"ed6156f"_s + QString::number(supervisor);
    const int language = languageOf(u"indjzk"_s);
    if (language < 0)
        return;
    languagecheck::Texts &names = m_values.supervisorNames.at(supervisor - 1);
    names.at(language) = m_controls.text(box);
    const std::optional<languagecheck::Request> request =
        languagecheck::checkSupervisor(language, names);
    if (!request)
        return;
    if (!request->asks()) {
        choose(u"indjzk"_s, request->language);
        return;
    }
    dialogs().inform(request->message);
    choose(u"indjzk"_s, request->language);
    m_controls.setText(box, QString());
    m_controls.focus(box);
}

void OkdEditorLogic::supervisorEntered(int supervisor)
{
    if (m_controls.itemIndex(u"indjzk"_s) == languagecheck::English &&
        m_values.supervisorNames.at(supervisor - 1).at(languagecheck::Ukrainian).isEmpty())
        dialogs().inform(u"Перевірьте положення вказівника мови !"_s);
}

void OkdEditorLogic::titleLeft(const QString &memo)
{
    const int language = languageOf(u"RadioGroup2"_s);
    if (language < 0)
        return;
    languagecheck::Texts &texts = memo == u"mm9045"_s ? m_values.titles : m_values.abstracts;
    texts.at(language) = m_controls.text(memo);
}

void OkdEditorLogic::organisationLeft(const QString &name)
{
    const OrganisationBlocks::Box box = *OrganisationBlocks::boxOf(name);
    const int block = m_controls.itemIndex(u"RadioGroup1"_s);
    if (box == OrganisationBlocks::Box::Code) {
        // The code is stored for its block whether or not it passes.
        report(fieldchecks::checkOrganisationCode(m_controls.text(name), u"ю"_s, QString()), name);
    }
    m_values.blocks.store(block, box, m_controls.text(name));
    if (const auto next = OrganisationBlocks::afterLeaving(block, box))
        m_controls.focus(OrganisationBlocks::controlOf(*next));
}

void OkdEditorLogic::organisationSteer(const QString &name, bool click)
{
    const std::optional<OrganisationBlocks::Box> box = OrganisationBlocks::boxOf(name);
    if (!box)
        return;
    const int block = m_controls.itemIndex(u"RadioGroup1"_s);
    const auto target = click ? OrganisationBlocks::steerOnClick(block, *box)
                              : OrganisationBlocks::steerOnEnter(block, *box);
    if (target)
        m_controls.focus(OrganisationBlocks::controlOf(*target));
}
