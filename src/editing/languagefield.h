#pragma once

#include "cardfile/languagecheck.h"

#include <QString>

#include <optional>

class CardControls;

// A text kept in Ukrainian, Russian and English behind one control and a
// language selector (items 0, 1, 2). The control shows the text of the
// language the selector shows; the texts are stored when the control is left.
class LanguageField
{
public:
    // Without `prompts` leaving the control only stores its text; with them
    // the first missing language is asked for.
    LanguageField(const QString &selector, const QString &control,
                  std::optional<languagecheck::Prompts> prompts);

    const QString &selector() const { return m_selector; }
    const QString &control() const { return m_control; }

    // Language 0 Ukrainian, 1 Russian, 2 English.
    QString text(int language) const { return m_texts.at(language); }
    void setText(int language, const QString &text) { m_texts.at(language) = text; }
    const languagecheck::Texts &texts() const { return m_texts; }
    void clear() { m_texts = {}; }

    // Turns the selector to `language` and shows its text.
    void show(CardControls &controls, int language) const;
    // The user turned the selector: the control shows the chosen language's
    // text. False when the selector shows no language.
    bool chosen(CardControls &controls) const;
    // The control was left (or, for a text stored on every change, changed):
    // its text is stored under the language shown; then, with prompts, the
    // first missing language is asked for: the message, the selector on that
    // language, the control emptied and given the cursor.
    void leave(CardControls &controls);

    // Whether `message` is this field's request for its Ukrainian text.
    bool asksForUkrainian(const QString &message) const;

private:
    QString m_selector;
    QString m_control;
    std::optional<languagecheck::Prompts> m_prompts;
    languagecheck::Texts m_texts;
};
