#pragma once

#include <QString>

// The three kinds of card the program edits.
enum class CardKind { RK, OK, OKD };

// Caption of the unsaved-changes question for an editor of this kind.
QString questionCaption(CardKind kind);
