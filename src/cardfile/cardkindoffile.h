#pragma once

#include "cardfile/cardkind.h"

#include <QString>

#include <optional>

// The kind a card file holds, as its 5013 line (the first coded line of
// every card) names it; the reading stops at that line.
struct KindOfFile
{
    std::optional<CardKind> kind;
    // Why no kind could be told: the file could not be read, or its 5013
    // line is missing or names no kind (then empty: the caller words it).
    QString readingError;
};
KindOfFile kindOfCardFile(const QString &path);
