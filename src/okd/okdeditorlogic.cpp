#include "okd/okdeditorlogic.h"

#include "okd/okdcatalogue.h"
#include "okd/organisationblocks.h"

#include "controls/fieldrow.h"
#include "dialogs/dialogs.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList kRadioGroups = {u"RadioGroup1"_s, u"RadioGroup2"_s, u"indjzd"_s, u"indjzk"_s};

} // namespace

OkdEditorLogic::OkdEditorLogic(CardControls &controls)
    : m_controls(controls), m_listItems([] {
          QStringList boxes = okdnames::listCheckedBoxes();
          boxes << u"ed6273ns"_s;
          return comboItemsOf(okdPages(), boxes);
      }())
{}

OkdEditorLogic::OkdEditorLogic(const OkdEditorLogic &other, CardControls &controls)
    : m_controls(controls), m_values(other.m_values), m_listItems(other.m_listItems)
{}

void OkdEditorLogic::enter(const QString &control)
{
    if (control == u"ed6156f2"_s || control == u"ed6156f3"_s)
        supervisorEntered(control.right(1).toInt());
    else if (control == u"ts2"_s)
        showTitles();
    else if (control == u"ts3"_s)
        showBlock();
    else
        organisationSteer(control, false);
}

void OkdEditorLogic::click(const QString &control)
{
    organisationSteer(control, true);
}

void OkdEditorLogic::itemChosen(const QString &radioGroup)
{
    if (radioGroup == u"indjzd"_s)
        showApplicantName();
    else if (radioGroup == u"indjzk"_s)
        showSupervisorNames();
    else if (radioGroup == u"RadioGroup2"_s)
        showTitles();
    else if (radioGroup == u"RadioGroup1"_s)
        showBlock();
}

void OkdEditorLogic::textEdited(const QString &control)
{
    // The chair's degree is held to its list on every change.
    if (control == u"ed6273ns"_s)
        checkListItem(control);
}

void OkdEditorLogic::choose(const QString &radioGroup, int index)
{
    m_controls.setItemIndex(radioGroup, index);
    itemChosen(radioGroup);
}

void OkdEditorLogic::clearCard()
{
    clearCatalogueFields(m_controls, okdPages());
    m_controls.setText(u"cb6642"_s, u"0"_s);
    // The working values are emptied before the radio groups turn back, so
    // that no control shows a value of the card that was there before.
    m_values.clear();
    showAfterReading();
    for (const QString &degree :
         {u"ed6156ns1"_s, u"ed6156ns2"_s, u"ed6156ns3"_s, u"ed6165ns1"_s, u"ed6165ns2"_s,
          u"ed6165ns3"_s, u"ed6165ns4"_s, u"ed6273ns"_s, u"ed7425"_s})
        m_controls.setText(degree, QString());
}

void OkdEditorLogic::showAfterReading()
{
    for (const QString &group : kRadioGroups)
        choose(group, 0);
}

int OkdEditorLogic::languageOf(const QString &radioGroup) const
{
    const int language = m_controls.itemIndex(radioGroup);
    return language >= 0 && language < 3 ? language : -1;
}

void OkdEditorLogic::showApplicantName()
{
    if (const int language = languageOf(u"indjzd"_s); language >= 0)
        m_controls.setText(u"ed6147"_s, m_values.applicantNames.at(language));
}

void OkdEditorLogic::showSupervisorNames()
{
    const int language = languageOf(u"indjzk"_s);
    if (language < 0) {
        dialogs().inform(u"Не вказана мова прізвища наукового керівника!"_s);
        return;
    }
    for (int n = 1; n <= 3; ++n) {
        m_controls.setText(u"ed6156f"_s + QString::number(n),
                           m_values.supervisorNames.at(n - 1).at(language));
    }
}

void OkdEditorLogic::showTitles()
{
    const int language = languageOf(u"RadioGroup2"_s);
    if (language < 0)
        return;
    m_controls.setText(u"mm9045"_s, m_values.titles.at(language));
    m_controls.setText(u"mm9118"_s, m_values.abstracts.at(language));
}

void OkdEditorLogic::showBlock()
{
    const int block = m_controls.itemIndex(u"RadioGroup1"_s);
    for (const OrganisationBlocks::Box box : OrganisationBlocks::boxes)
        m_controls.setText(OrganisationBlocks::controlOf(box), m_values.blocks.shown(block, box));
    if (m_blockShown)
        m_blockShown(block);
}
