#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Whether a party that has an organisation code is a legal person (an
// eight-digit code under the national register of enterprises) or an
// individual (a ten-digit tax number). The value is the kind number that the
// card files carry.
enum class PersonKind { Legal = 1, Individual = 2 };

namespace personkind {

inline const QString legalText = QStringLiteral("Юридична особа");
inline const QString individualText = QStringLiteral("Фізична особа");
inline const QString legalMarker = QStringLiteral("ю");
inline const QString individualMarker = QStringLiteral("ф");
// Shown when a kind or a code is given before the entry's number.
inline const QString numberMissing = QStringLiteral("Вкажіть порядковий номер!");

// The items of a kind box, legal person first.
QStringList items();
// The kind whose item is exactly `text`, or nothing.
std::optional<PersonKind> kindOfItem(const QString &text);
// The kind a box showing `text` stands for: "Фізична особа" an individual,
// any other text a legal person.
PersonKind kindShownBy(const QString &text);
// 1 + the position of `text` among the items: 1, 2, or 0 for another text.
int kindNumber(const QString &text);
QString itemText(PersonKind kind);
QString marker(PersonKind kind);
// Why a party's code read from a card file cannot be taken: it has more
// digits than the longest code, a tax number (blanks among them do not
// count); empty when it fits. `whose` names the party: "замовника".
QString codeTooLong(const QString &code, const QString &whose);

} // namespace personkind

enum class LabelColour { WindowText, Black, Blue };

// How a party's code field and its labels look for one kind.
struct KindLook
{
    QString label;           // the code label's text
    QString secondLabel;     // the text of the label beneath it; empty when there is none
    int secondLabelLeft = 0; // its left position in layout pixels
    LabelColour colour = LabelColour::WindowText; // of both labels
    QString alsoColoured; // another label that takes the same colour, or empty
    QString mask;         // the code field's mask
};

// What a kind box does with a text that is not one of its items.
enum class UnknownKindRule {
    BecomesFirstItem, // the box takes "Юридична особа" silently
    Refused,          // a message and a beep; the text stays
};

// One party's kind box and the code field it governs.
struct PartyKinds
{
    QString kindBox;     // "lizv"
    QString codeField;   // "ed2457"
    QString fieldCode;   // opens the code check's message; empty: no prefix
    QString label;       // name of the code label
    QString secondLabel; // name of the label beneath it, or empty
    QString numberBox;   // the entry number box that must be filled first, or empty
    UnknownKindRule unknown = UnknownKindRule::BecomesFirstItem;
    KindLook legal;
    KindLook individual;
    // Whether a change of kind by the clerk empties the code field (a code
    // of one kind is never a code of the other); else its digits stay.
    bool kindChangeEmptiesCode = false;

    const KindLook &look(PersonKind kind) const
    {
        return kind == PersonKind::Individual ? individual : legal;
    }
};

// The cards whose parties have kind boxes, and the parties. On the accounting
// card the `Customer` row is the owner of the results (field 2459).
enum class KindCard { RK, OK };
enum class Party { Executor, Customer, CoExecutor };

const PartyKinds &partyKinds(KindCard card, Party party);

// The outcome of leaving a kind box that holds `boxText`.
struct KindSelection
{
    PersonKind kind = PersonKind::Legal; // whose look, mask and marker now apply
    QString boxText;                     // what the box holds afterwards
    QString message;                     // to show first; empty: none
    bool beep = false;
    bool refocus = false; // the cursor goes back into the box
};

KindSelection selectKind(const PartyKinds &party, const QString &boxText);
