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
