#include "ok/okeditorlogic.h"

#include "ok/okcatalogue.h"

#include "controls/fieldrow.h"

using namespace Qt::StringLiterals;

namespace {

using Prompts = languagecheck::Prompts;

// Combo boxes whose text must be one of their items when they are left.
const QStringList kListChecked = {u"cb5013"_s, u"cb5256"_s, u"cb5562"_s, u"cb7344"_s, u"cb5040"_s,
                                  u"cb5715"_s, u"cb7209"_s, u"cb5535"_s, u"cb5211"_s, u"cb9036e"_s};

} // namespace

OkEditorLogic::OkEditorLogic(CardControls &controls)
    : m_controls(controls), m_languages{LanguageField(u"Indjz"_s, u"mm2151"_s, Prompts::Names),
                                        LanguageField(u"Indjzr"_s, u"mm9027"_s, std::nullopt),
                                        LanguageField(u"Indjzr"_s, u"mm9117"_s, std::nullopt),
                                        LanguageField(u"indjzk"_s, u"ed6120"_s, Prompts::Surnames)},
      m_lists{PositionList({u"7200"_s,
                            u"sp7200"_s,
                            u"ed7200"_s,
                            u" "_s,
                            {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s},
                            u"Помилка\r\nот 1 до 6"_s,
                            true}),
              PositionList({u"5526"_s, u"sp5526"_s, u"ed5526"_s, u"    U      "_s, {}, {}, false}),
              PositionList({u"7326"_s,
                            u"sp7326"_s,
                            u"ed7326"_s,
                            u"  "_s,
                            {u"09"_s, u"45"_s, u"72"_s},
                            u"Помилка\r\n09 або 45 або 72"_s,
                            false})},
      m_comboItems(comboItemsOf(okPages(), kListChecked))
{}

OkEditorLogic::OkEditorLogic(const OkEditorLogic &other, CardControls &controls)
    : m_controls(controls), m_languages(other.m_languages), m_lists(other.m_lists),
      m_coexecutors(other.m_coexecutors), m_markers(other.m_markers),
      m_comboItems(other.m_comboItems)
{}

void OkEditorLogic::leave(const QString &control)
{
    if (leaveWithCheck(control))
        return;
    for (LanguageField &field : m_languages) {
        if (field.control() == control) {
            field.leave(m_controls);
            return;
        }
    }
    for (PositionList &list : m_lists) {
        if (list.layout().valueField == control) {
            list.leave(m_controls);
            return;
        }
    }
    if (control == u"lizsv"_s)
        m_coexecutors.leaveKindBox(m_controls);
    else if (control == u"ed2142k"_s)
        m_coexecutors.leaveCode(m_controls);
    else if (control == u"mm2142n"_s || control == u"Ed2142m"_s || control == u"ed2142ad"_s)
        m_coexecutors.leaveValue(m_controls, control);
}

void OkEditorLogic::enter(const QString &control)
{
    if (control == u"ed2142p"_s) {
        // The number is changed by the step buttons only.
        m_controls.focus(u"ed2142k"_s);
        return;
    }
    spinChanged(control);
}

void OkEditorLogic::spinChanged(const QString &spinBox)
{
    for (const PositionList &list : m_lists) {
        if (list.layout().spinBox == spinBox)
            list.positionChosen(m_controls);
    }
}

void OkEditorLogic::click(const QString &button)
{
    if (button == u"Button4"_s)
        m_coexecutors.next(m_controls);
    else if (button == u"Button3"_s)
        m_coexecutors.previous(m_controls);
}

void OkEditorLogic::languageChosen(const QString &selector)
{
    // The title's selector also shows the abstract.
    for (const LanguageField &field : m_languages) {
        if (field.selector() == selector)
            field.chosen(m_controls);
    }
}

void OkEditorLogic::textChanged(const QString &control)
{
    // The abstract is stored on every change as well as when it is left.
    LanguageField &abstract = language(Languages::Abstract);
    if (control == abstract.control())
        abstract.leave(m_controls);
}

void OkEditorLogic::clearCard()
{
    for (PositionList &list : m_lists)
        list.clear();
    m_coexecutors.clear();
    for (LanguageField &field : m_languages)
        field.clear();
    showLegalPersonLooks(m_controls, KindCard::OK);
    clearCatalogueFields(m_controls, okPages());
    m_controls.setText(u"ed2142p"_s, u"1"_s);
    for (const Languages which :
         {Languages::ExecutorName, Languages::HeadName, Languages::Title, Languages::Abstract})
        language(which).show(m_controls, 0);
}

void OkEditorLogic::showAfterReading()
{
    for (const Languages which : {Languages::Title, Languages::ExecutorName, Languages::Abstract})
        language(which).show(m_controls, 0);
    if (m_coexecutors.entry(1).kind.isEmpty())
        m_controls.setText(u"lizsv"_s, personkind::legalText);
    m_coexecutors.show(m_controls, 1, false);
    // A spin box keeps its position: its value field shows what is stored there.
    for (const PositionList &list : m_lists)
        list.showChosen(m_controls);
}
