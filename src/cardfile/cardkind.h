#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The three kinds of card the program edits.
enum class CardKind { RK, OK, OKD };

// Caption of the unsaved-changes question for an editor of this kind.
QString questionCaption(CardKind kind);
// The kind's short Ukrainian name: "РК", "ОК", "ОКД".
QString shortName(CardKind kind);
// The kind a card file's card-type line 5013 names: "01" RK, "02" and "03"
// OK, "04" and "05" OKD; nothing for any other value.
std::optional<CardKind> kindFromTypeCode(QStringView code);

// The name "Записати як..." offers before a card of this kind was saved.
QString defaultCardName(CardKind kind);

// The PDF file name offered for a card: its card file's name (last saved or
// opened, folder kept) with ".pdf", or the kind's default name.
QString pdfNameFor(CardKind kind, const QString &cardFile);

// The program's name on its message boxes.
QString programCaption();
