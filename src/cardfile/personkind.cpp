#include "cardfile/personkind.h"

#include "cardfile/blankforms.h"
#include "cardfile/fileerror.h"

namespace personkind {

QStringList items()
{
    return {legalText, individualText};
}

std::optional<PersonKind> kindOfItem(const QString &text)
{
    if (text == legalText)
        return PersonKind::Legal;
    if (text == individualText)
        return PersonKind::Individual;
    return std::nullopt;
}

PersonKind kindShownBy(const QString &text)
{
    return text == individualText ? PersonKind::Individual : PersonKind::Legal;
}

int kindNumber(const QString &text)
{
    const auto kind = kindOfItem(text);
    return kind ? static_cast<int>(*kind) : 0;
}

QString itemText(PersonKind kind)
{
    return kind == PersonKind::Individual ? individualText : legalText;
}

QString marker(PersonKind kind)
{
    return kind == PersonKind::Individual ? individualMarker : legalMarker;
}

QString codeTooLong(const QString &code, const QString &whose)
{
    QString digits = code;
    digits.remove(QLatin1Char(' '));
    if (digits.size() <= blankform::taxNumber.size())
        return {};
    return QStringLiteral("код %1 «%2» довший за %3 цифр")
        .arg(whose, cardfile::shownValue(digits))
        .arg(blankform::taxNumber.size());
}

} // namespace personkind

namespace {

const QString kEightDigits = QStringLiteral("99999999;1;_");
const QString kTenDigits = QStringLiteral("9999999999;1;_");

// The executor's code carries two labels on both cards; only the
// registration card colours the customer's label with it.
PartyKinds executor(const QString &alsoColoured, UnknownKindRule unknown)
{
    return {
        QStringLiteral("lizv"),
        QStringLiteral("ed2457"),
        QStringLiteral("2457"),
        QStringLiteral("Label30"),
        QStringLiteral("Label57"),
        QString(),
        unknown,
        {QStringLiteral("2457 Код організації"), QStringLiteral("за ЄДРПОУ"), 64,
         LabelColour::WindowText, alsoColoured, kEightDigits},
        {QStringLiteral("2457 Індивідуальний "), QStringLiteral("податковий номер"), 32,
         LabelColour::Blue, QString(), kTenDigits},
    };
}

// A party whose code has a single label: `code` opens the label text (with a
// blank) when given.
PartyKinds singleLabel(const QString &kindBox, const QString &codeField, const QString &code,
                       const QString &label, const QString &numberBox, LabelColour legalColour,
                       UnknownKindRule unknown)
{
    const QString opening = code.isEmpty() ? QString() : code + QLatin1Char(' ');
    return {
        kindBox,
        codeField,
        code,
        label,
        QString(),
        numberBox,
        unknown,
        {opening + QStringLiteral("Код організації за ЄДРПОУ"), QString(), 0, legalColour,
         QString(), kEightDigits},
        {opening + QStringLiteral("Індивідуальний податковий номер"), QString(), 0,
         LabelColour::Blue, QString(), kTenDigits},
    };
}

const PartyKinds &rkParty(Party party)
{
    static const PartyKinds parties[] = {
        executor(QStringLiteral("Label27"), UnknownKindRule::BecomesFirstItem),
        singleLabel(QStringLiteral("lizz"), QStringLiteral("ed2458"), QStringLiteral("2458"),
                    QStringLiteral("Label27"), QStringLiteral("Edit1"), LabelColour::Black,
                    UnknownKindRule::BecomesFirstItem),
        singleLabel(QStringLiteral("lizsv"), QStringLiteral("cpk"), QString(),
                    QStringLiteral("Label69"), QStringLiteral("cpn"), LabelColour::WindowText,
                    UnknownKindRule::BecomesFirstItem),
    };
    return parties[static_cast<int>(party)];
}

// On the accounting card a change of kind empties the code.
PartyKinds emptyingCode(PartyKinds party)
{
    party.kindChangeEmptiesCode = true;
    return party;
}

const PartyKinds &okParty(Party party)
{
    static const PartyKinds parties[] = {
        emptyingCode(executor(QString(), UnknownKindRule::Refused)),
        emptyingCode(singleLabel(QStringLiteral("lizz"), QStringLiteral("ed2459"),
                                 QStringLiteral("2459"), QStringLiteral("Label27"), QString(),
                                 LabelColour::WindowText, UnknownKindRule::Refused)),
        emptyingCode(singleLabel(QStringLiteral("lizsv"), QStringLiteral("ed2142k"), QString(),
                                 QStringLiteral("Label43"), QString(), LabelColour::WindowText,
                                 UnknownKindRule::Refused)),
    };
    return parties[static_cast<int>(party)];
}

} // namespace

const PartyKinds &partyKinds(KindCard card, Party party)
{
    return card == KindCard::RK ? rkParty(party) : okParty(party);
}

KindSelection selectKind(const PartyKinds &party, const QString &boxText)
{
    if (const auto kind = personkind::kindOfItem(boxText))
        return {*kind, boxText, QString(), false, false};
    if (party.unknown == UnknownKindRule::BecomesFirstItem)
        return {PersonKind::Legal, personkind::legalText, QString(), false, true};
    return {PersonKind::Legal, boxText, QStringLiteral(" Помилка "), true, true};
}
