#pragma once

#include <QString>
#include <array>
#include <optional>

// A text kept in Ukrainian, Russian and English behind one control and a
// language selector with the items 0, 1, 2 in that order. When the control is
// left, the editor stores its text under the language shown and then asks
// these functions what follows.
namespace languagecheck {

enum Language { Ukrainian = 0, Russian = 1, English = 2 };

using Texts = std::array<QString, 3>; // indexed by Language

// Which wording the prompts use.
enum class Prompts { Names, Surnames };

// What the editor does after the text was stored.
struct Request
{
    QString message;  // shown first; empty: no message, the control keeps its text
    int language = 0; // the selector switches to this item (loading its text)
    // With a message: the control is emptied and gets the cursor, showing
    // the language asked for.

    bool asks() const { return !message.isEmpty(); }
};

// The first empty language, Ukrainian, Russian, English, is asked for; leaving
// the control empty while it shows Russian or English ends the asking.
std::optional<Request> check(int shown, const Texts &texts, Prompts prompts);

// The names of the scientific supervisors: a row with no Ukrainian name may
// stay empty and is never asked for; once the Ukrainian name is there the
// Russian and then the English one are asked for (surname wording), and a row
// complete in all three languages brings the selector back to Ukrainian.
// After a prompt the selector stays on the language asked for.
std::optional<Request> checkSupervisor(int shown, const Texts &texts);

} // namespace languagecheck
