#include "cardfile/languagecheck.h"

namespace languagecheck {
namespace {

QString prompt(Prompts prompts, Language language)
{
    static const std::array<QString, 3> names = {
        QStringLiteral("Введіть назву українською мовою !"),
        QStringLiteral("Введіть назву російською мовою !"),
        QStringLiteral("Введіть назву англійською мовою !"),
    };
    static const std::array<QString, 3> surnames = {
        QStringLiteral("Введіть прізвище українською мовою !"),
        QStringLiteral("Введіть прізвище російською мовою !"),
        QStringLiteral("Введіть прізвище англійською мовою !"),
    };
    return (prompts == Prompts::Names ? names : surnames)[language];
}

Request ask(Prompts prompts, Language language)
{
    return {prompt(prompts, language), language};
}

// An empty Russian or English text may be left while its language is shown.
bool leftEmptyOnPurpose(int shown, const Texts &texts)
{
    return (shown == Russian && texts[Russian].isEmpty()) ||
           (shown == English && texts[English].isEmpty());
}

} // namespace

std::optional<Request> check(int shown, const Texts &texts, Prompts prompts)
{
    if (leftEmptyOnPurpose(shown, texts))
        return std::nullopt;
    for (const Language language : {Ukrainian, Russian, English}) {
        if (texts[language].isEmpty())
            return ask(prompts, language);
    }
    return std::nullopt;
}

std::optional<Request> checkSupervisor(int shown, const Texts &texts)
{
    if (leftEmptyOnPurpose(shown, texts) || texts[Ukrainian].isEmpty())
        return std::nullopt;
    const bool hasRussian = !texts[Russian].isEmpty();
    const bool hasEnglish = !texts[English].isEmpty();
    if (hasRussian && hasEnglish)
        return Request{QString(), Ukrainian};
    // The box stays on the language asked for, so that what is typed next
    // is kept as that language's name.
    return ask(Prompts::Surnames, hasRussian ? English : Russian);
}

} // namespace languagecheck
