#pragma once

#include "okd/organisationblocks.h"

#include "cardfile/languagecheck.h"

#include <QString>

#include <array>

// What the dissertation card keeps beside its controls: the texts of every
// language and every organisation block. The controls show one language and
// one block at a time; saving, opening and printing use these values.
struct OkdValues
{
    languagecheck::Texts applicantNames{};                 // 6147, by language
    std::array<languagecheck::Texts, 3> supervisorNames{}; // 6156, by supervisor, language
    languagecheck::Texts titles{};                         // 9045
    languagecheck::Texts abstracts{};                      // 9118
    OrganisationBlocks blocks;

    void clear() { *this = OkdValues{}; }
};

// The card's controls as the card file sees them, by name: the text of an
// edit, masked edit, memo or combo box, and "1" or "0" for the check box.
// The window provides them over its widgets.
class OkdFields
{
public:
    virtual ~OkdFields() = default;
    virtual QString text(const QString &control) const = 0;
    // Never cut to the control's maximum length.
    virtual void setText(const QString &control, const QString &text) = 0;
};
