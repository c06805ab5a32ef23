#include "rk/rkcardreader.h"

#include "rk/rkcodelists.h"
#include "rk/rkfilelines.h"
#include "rk/rkgroups.h"

#include "cardfile/blankforms.h"
#include "cardfile/fileerror.h"
#include "cardfile/lineapply.h"
#include "cardfile/personkind.h"
#include "cardfile/piece.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

using Group = RkCardData::Group;
using Languages = RkCardData::Languages;
using cardfile::Pieces;

// Fields whose control takes piece 2 of their line as it stands.
const QStringList kPlainCodes = {
    u"5256"_s, u"5517"_s, u"7146"_s, u"7191"_s, u"7200"_s, u"7020"_s, u"7021"_s,
    u"7209"_s, u"7199"_s, u"7022"_s, u"5274"_s, u"2358"_s, u"2934"_s, u"1332"_s,
    u"5634"_s, u"6111"_s, u"6210"_s, u"6228"_s, u"6140"_s, u"5436"_s, u"7210"_s,
    u"7353"_s, u"7362"_s, u"9126"_s, u"9153"_s,
};

// Lines whose pieces 2 and 3 go to two controls.
const QHash<QString, std::pair<QString, QString>> kTwoFieldCodes = {
    {u"5418"_s, {u"ed5418N"_s, u"ed5418D"_s}},
    {u"2394"_s, {u"ed2394"_s, u"Edit2"_s}},
    {u"reg"_s, {u"REG"_s, u"DREG"_s}},
};

QString controlOf(const QString &code)
{
    if (code == u"9126"_s || code == u"9153"_s)
        return u"mm"_s + code;
    return u"ed"_s + code;
}

using Number = cardfile::PieceNumber;
using cardfile::numberPiece;

// A kind number read from a file: 1 is a legal person, any other number an
// individual. It is written back as the kind's own number, "1" or "2".
PersonKind kindOfNumber(int number)
{
    return number == 1 ? PersonKind::Legal : PersonKind::Individual;
}

QString numberOf(PersonKind kind)
{
    return QString::number(int(kind));
}

int itemOf(PersonKind kind)
{
    return int(kind) - 1;
}

// The code of a co-executor line that carries no kind: its characters
// without the blanks among them and without "_", which its mask shows for a
// blank; they do not count, so that it is written back, and read again, in
// one form (its length tells the kind). A message when it is longer than any
// code.
QString codeWithoutKind(QString &code)
{
    code.remove(u' ').remove(u'_');
    return personkind::codeTooLong(code, u"співвиконавця"_s);
}

// A co-executor without a kind (older files, and the lines written again for
// such co-executors) gets the mask its code fits, so that the code is neither
// cut nor padded with blanks.
PersonKind kindFittingCode(const QString &code)
{
    return code.size() > blankform::organisationCode.size() ? PersonKind::Individual
                                                            : PersonKind::Legal;
}

Languages languagesOf(const QString &code)
{
    return code == u"2151"_s ? Languages::ExecutorName : Languages::Title;
}

} // namespace

RkCardReader::RkCardReader(RkCardData &card) : m_card(card)
{
    for (const RkGroupSpec &group : rkGroups())
        m_card.setCurrentNumber(group.group, 0);
}

const cardfile::CardFormat &RkCardReader::format()
{
    // Lines whose first value may be empty while a later one is not: the fax
    // before the e-mail, the letter's number before its date, a city before
    // its address, a finance row's currency before its amount. The program
    // writes them so, and reading them back must not drop what follows.
    static const cardfile::CardFormat rk = [] {
        QStringList exempt = {u"2394"_s, u"5418"_s, u"2655"_s, u"2656"_s};
        exempt += rkFinanceCodes();
        return cardfile::CardFormat{
            {u"2151"_s, u"2152"_s, u"9027"_s, u"9126"_s, u"9153"_s, u"9036"_s},
            exempt,
            true,
        };
    }();
    return rk;
}

const QHash<QString, RkCardReader::Handler> &RkCardReader::handlers()
{
    static const QHash<QString, Handler> table = [] {
        QHash<QString, Handler> rules;
        for (const QString &code : kPlainCodes)
            rules.insert(code, &RkCardReader::plainField);
        for (auto it = kTwoFieldCodes.begin(); it != kTwoFieldCodes.end(); ++it)
            rules.insert(it.key(), &RkCardReader::twoFields);
        for (const QString &code : rkFinanceCodes())
            rules.insert(code, &RkCardReader::financeRow);
        rules.insert(u"2457"_s, &RkCardReader::executorKind);
        rules.insert(u"2151"_s, &RkCardReader::languageLine);
        rules.insert(u"9027"_s, &RkCardReader::languageLine);
        rules.insert(u"6120"_s, &RkCardReader::languageLine);
        rules.insert(u"2754"_s, &RkCardReader::executorCity);
        rules.insert(u"2655"_s, &RkCardReader::executorAddress);
        rules.insert(u"2458"_s, &RkCardReader::customer);
        rules.insert(u"2152"_s, &RkCardReader::customerName);
        rules.insert(u"2656"_s, &RkCardReader::customerAddress);
        rules.insert(u"2142"_s, &RkCardReader::coexecutor);
        rules.insert(u"9036"_s, &RkCardReader::stage);
        rules.insert(u"5616"_s, &RkCardReader::rubric);
        return rules;
    }();
    return table;
}

QString RkCardReader::apply(const cardfile::CardLine &pass)
{
    return cardfile::applyInFileOrder(
        pass, [this](const QString &code, const QString &text) { return applyOne(code, text); });
}

void RkCardReader::finish()
{
    m_card.showLanguage(Languages::Title, 0);
    m_card.showLanguage(Languages::ExecutorName, 0);
    m_card.showLanguage(Languages::HeadName, 0);
}

QString RkCardReader::applyOne(const QString &code, const QString &text)
{
    const Handler handler = handlers().value(code);
    if (!handler)
        return {};
    return (this->*handler)(code, Pieces(text));
}

QString RkCardReader::plainField(const QString &code, const Pieces &line)
{
    m_card.setFieldText(controlOf(code), line.at(2));
    return {};
}

QString RkCardReader::twoFields(const QString &code, const Pieces &line)
{
    const auto &[first, second] = *kTwoFieldCodes.find(code);
    m_card.setFieldText(first, line.at(2));
    m_card.setFieldText(second, line.at(3));
    return {};
}

QString RkCardReader::executorKind(const QString &code, const Pieces &line)
{
    const Number number = numberPiece(code, line.at(2));
    if (!number.value)
        return number.error;
    if (const QString tooLong = personkind::codeTooLong(line.at(3), u"виконавця"_s);
        !tooLong.isEmpty())
        return tooLong;
    const PersonKind kind = kindOfNumber(*number.value);
    m_card.showPartyKind(Party::Executor, kind);
    m_card.selectItem(u"lizv"_s, itemOf(kind));
    m_card.setFieldText(u"ed2457"_s, line.at(3));
    return {};
}

QString RkCardReader::languageLine(const QString &code, const Pieces &line)
{
    const Languages which = code == u"6120"_s ? Languages::HeadName : languagesOf(code);
    return cardfile::applyLanguageLine(code, line, which == Languages::HeadName,
                                       [this, which](int language, const QString &text) {
                                           m_card.setLanguageText(which, language, text);
                                       });
}

QString RkCardReader::executorCity(const QString &, const Pieces &line)
{
    m_card.setFieldText(u"gorv"_s, line.at(2));
    m_cityLineRead = true;
    return {};
}

QString RkCardReader::executorAddress(const QString &, const Pieces &line)
{
    if (m_cityLineRead) {
        // Older files: the city came on a line of its own, this one is the address.
        m_card.setFieldText(u"mm2655"_s, line.at(2));
        return {};
    }
    m_card.setFieldText(u"gorv"_s, line.at(2));
    m_card.setFieldText(u"mm2655"_s, line.at(3));
    return {};
}

QString RkCardReader::customer(const QString &code, const Pieces &line)
{
    const RkGroupSpec &group = rkGroup(Group::Customers);
    const QString kindPiece = line.at(3);
    if (kindPiece.isEmpty() || kindPiece == u"0"_s)
        return {};

    const QString codePiece = kindPiece.size() >= 2 ? kindPiece : line.at(4);
    if (const QString tooLong = personkind::codeTooLong(codePiece, u"замовника"_s);
        !tooLong.isEmpty())
        return tooLong;
    if (kindPiece.size() >= 2) {
        // Older files: kind and code here, name and address on 2152 and 2656 lines.
        const Number number = numberPiece(code, line.at(2));
        if (!number.value)
            return number.error;
        const PersonKind kind = kindOfNumber(*number.value);
        // The code goes onto the mask of its kind, as in the newer lines.
        m_card.showPartyKind(Party::Customer, kind);
        m_card.setFieldText(group.numberBox, u"1"_s);
        m_card.selectItem(group.kindBox, itemOf(kind));
        m_card.setFieldText(u"ed2458"_s, kindPiece);
        m_customer = 1;
        m_customerKindNumber = numberOf(kind);
        m_card.setCurrentNumber(Group::Customers, 1);
        storeCustomer();
        return {};
    }

    const Number number = numberPiece(code, line.at(2));
    if (!number.value)
        return number.error;
    const Number kindNumber = numberPiece(code, kindPiece);
    if (!kindNumber.value)
        return kindNumber.error;
    if (*number.value < 1 || *number.value > group.room)
        return {};

    const PersonKind kind = kindOfNumber(*kindNumber.value);
    m_card.showPartyKind(Party::Customer, kind);
    m_card.setFieldText(group.numberBox, line.at(2));
    m_card.selectItem(group.kindBox, itemOf(kind));
    m_card.setFieldText(u"ed2458"_s, line.at(4));
    m_card.setFieldText(u"gorz"_s, line.at(5));
    m_card.setFieldText(u"mm2152"_s, line.at(6));
    m_card.setFieldText(u"mm2656"_s, line.at(7));
    m_customer = *number.value;
    m_customerKindNumber = numberOf(kind);
    m_card.setCurrentNumber(Group::Customers, m_customer);
    storeCustomer();
    return {};
}

void RkCardReader::storeCustomer()
{
    const RkGroupSpec &group = rkGroup(Group::Customers);
    const RkEntry entry = rkEntryFromControls(m_card, group, m_customerKindNumber);
    m_card.storeEntry(Group::Customers, m_customer, entry.display, entry.file);
}

QString RkCardReader::customerName(const QString &, const Pieces &line)
{
    m_card.setFieldText(u"mm2152"_s, line.at(2));
    storeCustomer();
    return {};
}

QString RkCardReader::customerAddress(const QString &, const Pieces &line)
{
    m_card.setFieldText(u"gorz"_s, line.at(2));
    m_card.setFieldText(u"mm2656"_s, line.at(3));
    storeCustomer();
    return {};
}

QString RkCardReader::coexecutor(const QString &code, const Pieces &line)
{
    const RkGroupSpec &group = rkGroup(Group::Coexecutors);
    const Number number = numberPiece(code, line.at(2));
    if (!number.value)
        return number.error;
    if (*number.value < 1 || *number.value > group.room)
        return {};

    const QString kindPiece = line.at(3);
    QString kindNumber; // as the file form of the entry carries it
    if (kindPiece.size() > 1) {
        // Older files: number, code, city, name, address, without a kind.
        QString digits = kindPiece;
        if (const QString tooLong = codeWithoutKind(digits); !tooLong.isEmpty())
            return tooLong;
        m_card.showPartyKind(Party::CoExecutor, kindFittingCode(digits));
        m_card.setFieldText(group.numberBox, line.at(2));
        m_card.setFieldText(u"cpk"_s, digits);
        m_card.setFieldText(u"gorc"_s, line.at(4));
        m_card.setFieldText(u"cpi"_s, line.at(5));
        m_card.setFieldText(u"cpa"_s, line.at(6));
        m_card.setFieldText(group.kindBox, QString());
    } else {
        if (const QString tooLong = personkind::codeTooLong(line.at(4), u"співвиконавця"_s);
            !tooLong.isEmpty())
            return tooLong;
        std::optional<PersonKind> kind;
        if (!kindPiece.isEmpty()) {
            const Number parsed = numberPiece(code, kindPiece);
            if (!parsed.value)
                return parsed.error;
            kind = kindOfNumber(*parsed.value);
        }
        // The older entries are saved so, with an empty kind.
        QString entryCode = line.at(4);
        if (!kind) {
            if (const QString tooLong = codeWithoutKind(entryCode); !tooLong.isEmpty())
                return tooLong;
        }
        m_card.showPartyKind(Party::CoExecutor, kind ? *kind : kindFittingCode(entryCode));
        m_card.setFieldText(group.numberBox, line.at(2));
        if (kind)
            m_card.selectItem(group.kindBox, itemOf(*kind));
        kindNumber = kind ? numberOf(*kind) : QString();
        m_card.setFieldText(u"cpk"_s, entryCode);
        m_card.setFieldText(u"gorc"_s, line.at(5));
        m_card.setFieldText(u"cpi"_s, line.at(6));
        m_card.setFieldText(u"cpa"_s, line.at(7));
    }
    m_card.setCurrentNumber(Group::Coexecutors, *number.value);
    const RkEntry entry = rkEntryFromControls(m_card, group, kindNumber);
    m_card.storeEntry(Group::Coexecutors, *number.value, entry.display, entry.file);
    return {};
}

QString RkCardReader::stage(const QString &code, const Pieces &line)
{
    const RkGroupSpec &group = rkGroup(Group::Stages);
    const QString numberText = line.at(2);
    if (numberText.isEmpty()) {
        m_card.setFieldText(group.numberBox, QString());
        return {};
    }
    const Number number = numberPiece(code, numberText);
    if (!number.value)
        return number.error;
    if (*number.value < 1 || *number.value > group.room)
        return {};
    m_card.setFieldText(group.numberBox, numberText);
    for (int value = 0; value < group.valueFields.size(); ++value)
        m_card.setFieldText(group.valueFields.at(value), line.at(value + 3));
    m_card.setCurrentNumber(Group::Stages, *number.value);
    const RkEntry entry = rkEntryFromControls(m_card, group, QString());
    m_card.storeEntry(Group::Stages, *number.value, entry.display, entry.file);
    return {};
}

QString RkCardReader::rubric(const QString &, const Pieces &line)
{
    ++m_rubricLinesRead;
    if (m_rubricLinesRead <= rkRubricBoxes().size())
        m_card.setFieldText(rkRubricBoxes().at(m_rubricLinesRead - 1), line.at(2));
    return {};
}

QString RkCardReader::financeRow(const QString &, const Pieces &line)
{
    ++m_financeLinesRead;
    if (m_financeLinesRead > rkFinanceRows().size())
        return {};
    const RkFinanceRow &row = rkFinanceRows().at(m_financeLinesRead - 1);
    m_card.setFieldText(row.code, line.at(1));
    m_card.setFieldText(row.currency, line.at(2));
    m_card.setFieldText(row.amount, line.at(3));
    return {};
}
