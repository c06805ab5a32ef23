#include "rk/rkeditorlogic.h"

#include "rk/rkcatalogue.h"

#include "app/dialogs.h"

using namespace Qt::StringLiterals;

namespace {

using Languages = RkCardData::Languages;
using Group = RkCardData::Group;

// Each three-language text: the selector that chooses the language, the
// control that shows it and the wording of its prompts.
struct LanguageField
{
    QString selector;
    QString control;
    languagecheck::Prompts prompts;
};

const LanguageField &languageField(Languages which)
{
    static const LanguageField fields[] = {
        {u"Indjz"_s, u"mm2151"_s, languagecheck::Prompts::Names},
        {u"Indjzr"_s, u"mm9027"_s, languagecheck::Prompts::Names},
        {u"indjzk"_s, u"ed6120"_s, languagecheck::Prompts::Surnames},
    };
    return fields[int(which)];
}

std::optional<Languages> languagesShownBy(const QString &control)
{
    for (const Languages which : {Languages::ExecutorName, Languages::Title, Languages::HeadName}) {
        const LanguageField &field = languageField(which);
        if (field.selector == control || field.control == control)
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

RkEditorLogic::RkEditorLogic(RkControls &controls)
    : m_controls(controls), m_groups{GroupState{groupEntries(Group::Customers)},
                                     GroupState{groupEntries(Group::Coexecutors)},
                                     GroupState{groupEntries(Group::Stages)}}
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
    const std::optional<Languages> which = languagesShownBy(selector);
    if (!which)
        return;
    const LanguageField &field = languageField(*which);
    const int language = m_controls.itemIndex(selector);
    if (language >= 0 && language < 3)
        m_controls.setText(field.control, m_languages.at(int(*which)).at(language));
    else if (*which == Languages::ExecutorName)
        dialogs().inform(u"Не вказана мова назви!"_s);
}

void RkEditorLogic::clearCard()
{
    // The texts go first: turning a selector back to Ukrainian shows its text.
    for (GroupState &group : m_groups)
        group.entries.clear();
    for (languagecheck::Texts &texts : m_languages)
        texts = {};
    // The kind boxes show their first item, a legal person: the code fields
    // take its look too, or a card without kind lines would keep the masks
    // of the card read before it.
    for (const Party party : {Party::Executor, Party::Customer, Party::CoExecutor})
        showPartyKind(party, PersonKind::Legal);
    for (const PageSpec &page : rkPages()) {
        for (const FieldSpec &field : page.fields) {
            switch (field.kind) {
            case FieldKind::Edit:
            case FieldKind::MaskedEdit:
            case FieldKind::Memo:
            case FieldKind::ScrollMemo:
                m_controls.setText(field.name, QString());
                break;
            case FieldKind::Combo:
                m_controls.selectItem(field.name, 0);
                break;
            case FieldKind::RadioGroup:
                m_controls.setItemIndex(field.name, 0);
                break;
            default:
                break;
            }
        }
    }
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
    return m_languages.at(int(which)).at(language);
}

void RkEditorLogic::setLanguageText(Languages which, int language, const QString &text)
{
    m_languages.at(int(which)).at(language) = text;
}

void RkEditorLogic::showLanguage(Languages which, int language)
{
    const LanguageField &field = languageField(which);
    m_controls.setItemIndex(field.selector, language);
    m_controls.setText(field.control, m_languages.at(int(which)).at(language));
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
    const LanguageField &field = languageField(which);
    languagecheck::Texts &texts = m_languages.at(int(which));
    const int shown = m_controls.itemIndex(field.selector);
    if (shown < 0 || shown > 2)
        return;
    texts.at(shown) = m_controls.text(field.control);
    const std::optional<languagecheck::Request> request =
        languagecheck::check(shown, texts, field.prompts);
    if (!request || !request->asks())
        return;
    dialogs().inform(request->message);
    showLanguage(which, request->language);
    m_controls.setText(field.control, QString());
    m_controls.focus(field.control);
}
