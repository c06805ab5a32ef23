#include "rk/rkeditorlogic.h"

#include "rk/rkcatalogue.h"

#include "dialogs/dialogs.h"

using namespace Qt::StringLiterals;

namespace {

using Languages = RkCardData::Languages;
using Group = RkCardData::Group;

std::optional<Languages> languagesShownBy(const QString &control,
                                          const std::array<LanguageField, 3> &fields)
{
    for (const Languages which : {Languages::ExecutorName, Languages::Title, Languages::HeadName}) {
        const LanguageField &field = fields.at(int(which));
        if (field.selector() == control || field.control() == control)
            return which;
    }
    return std::nullopt;
}

RepeatingGroup groupEntries(Group which)
{
    const RkGroupSpec &layout = rkGroup(which);
    return RepeatingGroup(layout.room, layout.limit, !layout.kindBox.isEmpty());
}

} // namespace

RkEditorLogic::RkEditorLogic(CardControls &controls)
    : m_controls(controls),
      m_languages{LanguageField(u"Indjz"_s, u"mm2151"_s, languagecheck::Prompts::Names),
                  LanguageField(u"Indjzr"_s, u"mm9027"_s, languagecheck::Prompts::Names),
                  LanguageField(u"indjzk"_s, u"ed6120"_s, languagecheck::Prompts::Surnames)},
      m_groups{GroupState{groupEntries(Group::Customers)},
               GroupState{groupEntries(Group::Coexecutors)},
               GroupState{groupEntries(Group::Stages)}}
{}

RkEditorLogic::RkEditorLogic(const RkEditorLogic &other, CardControls &controls)
    : m_controls(controls), m_languages(other.m_languages), m_groups(other.m_groups),
      m_markers(other.m_markers)
{}

void RkEditorLogic::leave(const QString &control)
{
    leaveWithCheck(control);
    leaveGroupField(control);
}

void RkEditorLogic::enter(const QString &control)
{
    for (const RkGroupSpec &layout : rkGroups()) {
        if (layout.numberBox == control)
            enterNumberBox(layout.group);
    }
}

void RkEditorLogic::click(const QString &button)
{
    for (const RkGroupSpec &layout : rkGroups()) {
        if (layout.nextButton == button)
            step(layout.group, 1);
        else if (layout.previousButton == button)
            step(layout.group, -1);
    }
}

void RkEditorLogic::languageChosen(const QString &selector)
{
    const std::optional<Languages> which = languagesShownBy(selector, m_languages);
    if (!which)
        return;
    if (!m_languages.at(int(*which)).chosen(m_controls) && *which == Languages::ExecutorName)
        dialogs().inform(u"Не вказана мова назви!"_s);
}

void RkEditorLogic::clearCard()
{
    // The texts go first: turning a selector back to Ukrainian shows its text.
    for (GroupState &group : m_groups)
        group.entries.clear();
    for (LanguageField &field : m_languages)
        field.clear();
    showLegalPersonLooks(m_controls, KindCard::RK);
    clearCatalogueFields(m_controls, rkPages());
}

QString RkEditorLogic::fieldText(const QString &control) const
{
    return m_controls.text(control);
}

void RkEditorLogic::setFieldText(const QString &control, const QString &text)
{
    m_controls.setText(control, text);
}

void RkEditorLogic::selectItem(const QString &control, int index)
{
    m_controls.selectItem(control, index);
}

QString RkEditorLogic::languageText(Languages which, int language) const
{
    return m_languages.at(int(which)).text(language);
}

void RkEditorLogic::setLanguageText(Languages which, int language, const QString &text)
{
    m_languages.at(int(which)).setText(language, text);
}

void RkEditorLogic::showLanguage(Languages which, int language)
{
    m_languages.at(int(which)).show(m_controls, language);
}

QStringList RkEditorLogic::groupFileLines(Group which) const
{
    // Every stored entry in number order, also after a gap, so that no
    // entry the clerk stored is lost.
    const RepeatingGroup &group = entries(which);
    QStringList lines;
    for (const int number : group.numbers())
        lines.append(group.fileEntry(number));
    return lines;
}

void RkEditorLogic::storeEntry(Group which, int number, const QString &display, const QString &file)
{
    state(which).entries.store(number, display, file);
}

void RkEditorLogic::setCurrentNumber(Group which, int number)
{
    state(which).current = number;
}

void RkEditorLogic::showPartyKind(Party party, PersonKind kind)
{
    m_controls.showKindLook(partyKinds(KindCard::RK, party), kind);
}

void RkEditorLogic::checkLanguage(Languages which)
{
    m_languages.at(int(which)).leave(m_controls);
}
