#pragma once

#include <QString>

// The three kinds of card the program edits.
enum class CardKind { RK, OK, OKD };

// Caption of the unsaved-changes question for an editor of this kind.
QString questionCaption(CardKind kind);

// The name "Записати як..." offers before a card of this kind was saved.
QString defaultCardName(CardKind kind);

// The PDF file name offered for a card: its card file's name (last saved or
// opened, folder kept) with ".pdf", or the kind's default name.
QString pdfNameFor(CardKind kind, const QString &cardFile);

// The program's name on its message boxes.
QString programCaption();
