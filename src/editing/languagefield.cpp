#include "editing/languagefield.h"

#include "dialogs/dialogs.h"
#include "editing/cardcontrols.h"

LanguageField::LanguageField(const QString &selector, const QString &control,
                             std::optional<languagecheck::Prompts> prompts)
    : m_selector(selector), m_control(control), m_prompts(prompts)
{}

void LanguageField::show(CardControls &controls, int language) const
{
    controls.setItemIndex(m_selector, language);
    controls.setText(m_control, m_texts.at(language));
}

bool LanguageField::chosen(CardControls &controls) const
{
    const int language = controls.itemIndex(m_selector);
    if (language < 0 || language > 2)
        return false;
    controls.setText(m_control, m_texts.at(language));
    return true;
}

void LanguageField::leave(CardControls &controls)
{
    const int shown = controls.itemIndex(m_selector);
    if (shown < 0 || shown > 2)
        return;
    m_texts.at(shown) = controls.text(m_control);
    if (!m_prompts)
        return;
    const std::optional<languagecheck::Request> request =
        languagecheck::check(shown, m_texts, *m_prompts);
    if (!request || !request->asks())
        return;
    dialogs().inform(request->message);
    show(controls, request->language);
    controls.setText(m_control, QString());
    controls.focus(m_control);
}

bool LanguageField::asksForUkrainian(const QString &message) const
{
    if (!m_prompts)
        return false;
    const std::optional<languagecheck::Request> request =
        languagecheck::check(languagecheck::Ukrainian, {}, *m_prompts);
    return request && request->message == message;
}
