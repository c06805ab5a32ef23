#include "ok/okcardreader.h"

#include "ok/okfilelines.h"

#include "cardfile/blankforms.h"
#include "cardfile/lineapply.h"
#include "cardfile/personkind.h"

using namespace Qt::StringLiterals;

namespace {

using Languages = OkEditorLogic::Languages;
using List = OkEditorLogic::List;
using cardfile::Pieces;

// Lines whose pieces 2, 3, ... go to these controls in turn.
const QHash<QString, QStringList> kFieldCodes = {
    {u"5013"_s, {u"cb5013"_s}},
    {u"5256"_s, {u"cb5256"_s}},
    {u"5418"_s, {u"ed5418N"_s, u"ed5418D"_s}},
    {u"5436"_s, {u"ed5436"_s}},
    {u"5437"_s, {u"ed5437"_s}},
    {u"7021"_s, {u"ed7021"_s}},
    {u"7020"_s, {u"ed7020"_s}},
    {u"7199"_s, {u"ed7199"_s}},
    {u"7022"_s, {u"ed7022"_s}},
    {u"2655"_s, {u"gorv"_s, u"mm2655"_s}},
    {u"2358"_s, {u"ed2358"_s}},
    {u"2934"_s, {u"ed2934"_s}},
    {u"1332"_s, {u"ed1332"_s}},
    {u"2394"_s, {u"ed2394"_s, u"Edit1"_s}},
    {u"2153"_s, {u"mm2153"_s}},
    {u"2360"_s, {u"ed2360"_s}},
    {u"2657"_s, {u"gorz"_s, u"ed2657"_s}},
    {u"2935"_s, {u"ed2935"_s}},
    {u"2395"_s, {u"ed2395"_s, u"Edit2"_s}},
    {u"1333"_s, {u"ed1333"_s}},
    {u"5518"_s, {u"ed5518N"_s, u"ed5518D"_s}},
    {u"5635"_s, {u"mm5635"_s}},
    {u"5481"_s, {u"mm5481"_s}},
    {u"5490"_s, {u"ed5490"_s}},
    {u"5742"_s, {u"ed5742"_s}},
    {u"6012"_s, {u"ed6012"_s}},
    {u"5562"_s, {u"cb5562"_s}},
    {u"7344"_s, {u"cb7344"_s}},
    {u"5040"_s, {u"cb5040"_s}},
    {u"5715"_s, {u"cb5715"_s}},
    {u"7209"_s, {u"cb7209"_s}},
    {u"5535"_s, {u"cb5535"_s}},
    {u"5211"_s, {u"cb5211"_s}},
    {u"7210"_s, {u"ed7210"_s}},
    {u"5634"_s, {u"ed5634"_s}},
    {u"6111"_s, {u"ed6111"_s}},
    {u"6140"_s, {u"ed6140"_s}},
    {u"6210"_s, {u"ed6210vc"_s}},
    {u"6228"_s, {u"ed6228vc"_s}},
    {u"reg"_s, {u"REG"_s, u"DREG"_s}},
};

const QHash<QString, Languages> kLanguageCodes = {
    {u"2151"_s, Languages::ExecutorName},
    {u"9027"_s, Languages::Title},
    {u"9117"_s, Languages::Abstract},
};

const QHash<QString, List> kListCodes = {
    {u"7200"_s, List::Programmes},
    {u"5526"_s, List::StageNumbers},
    {u"7326"_s, List::Products},
};

using Number = cardfile::PieceNumber;
using cardfile::numberPiece;

} // namespace

OkCardReader::OkCardReader(OkEditorLogic &card) : m_card(card), m_controls(card.controls()) {}

const cardfile::CardFormat &OkCardReader::format()
{
    // Lines whose first value may be empty while a later one is not: a fax
    // before its e-mail, a letter's or document's number before its date, a
    // city before its address, a stage without its number. The program
    // writes them so, and reading them back must not drop what follows.
    static const cardfile::CardFormat ok{
        {u"2151"_s, u"2655"_s, u"2153"_s, u"9036"_s, u"9027"_s, u"9117"_s, u"5635"_s, u"5481"_s},
        {u"2394"_s, u"2395"_s, u"5418"_s, u"2655"_s, u"2657"_s, u"5518"_s, u"9036"_s},
        true,
    };
    return ok;
}

const QHash<QString, OkCardReader::Handler> &OkCardReader::handlers()
{
    static const QHash<QString, Handler> table = [] {
        QHash<QString, Handler> rules;
        for (auto it = kFieldCodes.begin(); it != kFieldCodes.end(); ++it)
            rules.insert(it.key(), &OkCardReader::fields);
        for (auto it = kLanguageCodes.begin(); it != kLanguageCodes.end(); ++it)
            rules.insert(it.key(), &OkCardReader::languageLine);
        for (auto it = kListCodes.begin(); it != kListCodes.end(); ++it)
            rules.insert(it.key(), &OkCardReader::positionList);
        rules.insert(u"2457"_s, &OkCardReader::partyKind);
        rules.insert(u"2459"_s, &OkCardReader::partyKind);
        rules.insert(u"6120"_s, &OkCardReader::languageLine);
        rules.insert(u"9036"_s, &OkCardReader::stage);
        rules.insert(u"2142"_s, &OkCardReader::coexecutor);
        rules.insert(u"5616"_s, &OkCardReader::rubric);
        return rules;
    }();
    return table;
}

QString OkCardReader::apply(const cardfile::CardLine &pass)
{
    return cardfile::applyInFileOrder(
        pass, [this](const QString &code, const QString &text) { return applyOne(code, text); });
}

QString OkCardReader::applyOne(const QString &code, const QString &text)
{
    const Handler handler = handlers().value(code);
    if (!handler)
        return {};
    return (this->*handler)(code, Pieces(text));
}

QString OkCardReader::fields(const QString &code, const Pieces &line)
{
    const QStringList &controls = *kFieldCodes.find(code);
    for (int i = 0; i < controls.size(); ++i)
        m_controls.setText(controls.at(i), line.at(i + 2));
    return {};
}

QString OkCardReader::partyKind(const QString &code, const Pieces &line)
{
    // A kind other than "2" is a legal person: the writer gives "0" for a
    // kind box that held no item.
    const PersonKind kind = line.at(2) == u"2"_s ? PersonKind::Individual : PersonKind::Legal;
    const Party party = code == u"2457"_s ? Party::Executor : Party::Customer;
    if (const QString tooLong = personkind::codeTooLong(
            line.at(3), party == Party::Executor ? u"виконавця"_s : u"власника"_s);
        !tooLong.isEmpty())
        return tooLong;
    const PartyKinds &kinds = partyKinds(KindCard::OK, party);
    m_controls.showKindLook(kinds, kind);
    m_card.setKindMarker(party, personkind::marker(kind));
    m_controls.setText(kinds.codeField, line.at(3));
    m_controls.selectItem(kinds.kindBox, int(kind) - 1);
    return {};
}

QString OkCardReader::languageLine(const QString &code, const Pieces &line)
{
    const bool head = code == u"6120"_s;
    LanguageField &field = m_card.language(head ? Languages::HeadName : kLanguageCodes.value(code));
    const QString error =
        cardfile::applyLanguageLine(code, line, head, [&field](int language, const QString &text) {
            field.setText(language, text);
        });
    // The head of development shows in Ukrainian after every line of it.
    if (head && error.isEmpty())
        field.show(m_controls, 0);
    return error;
}

QString OkCardReader::positionList(const QString &code, const Pieces &line)
{
    PositionList &list = m_card.list(kListCodes.value(code));
    list.read(line.at(2));
    m_controls.setText(list.layout().valueField, list.entry(1));
    return {};
}

QString OkCardReader::stage(const QString &, const Pieces &line)
{
    m_controls.setText(u"ed9036n"_s, line.at(2));
    m_controls.setText(u"ed9036p"_s, line.at(3));
    m_controls.setText(u"ed9036z"_s, line.at(4));
    if (line.count() < 6) {
        // The older layout without a kind: the title is fifth.
        m_controls.setText(u"cb9036e"_s, QString());
        m_controls.setText(u"mm9036"_s, line.at(5));
        return {};
    }
    // A fifth piece of one character is the stage kind; anything else (a
    // registration card's report kind, or no kind chosen) leaves it empty.
    const QString kind = line.at(5).trimmed();
    m_controls.setText(u"cb9036e"_s, kind.size() == 1 ? kind : QString());
    m_controls.setText(u"mm9036"_s, line.at(6));
    return {};
}

QString OkCardReader::coexecutor(const QString &code, const Pieces &line)
{
    const Number number = numberPiece(code, line.at(2));
    if (!number.value)
        return number.error;
    const QString third = line.at(3);
    CoexecutorGroup::Entry values;
    int first = 4; // piece of the code
    if (third.size() <= 1) {
        values.kind = third == u"2"_s ? personkind::individualText : personkind::legalText;
    } else if (third.size() == int(blankform::taxNumber.size())) {
        values.kind = personkind::individualText;
        first = 3;
    } else if (third.size() == int(blankform::organisationCode.size())) {
        values.kind = personkind::legalText;
        first = 3;
    } else {
        return {};
    }
    values.code = line.at(first);
    values.city = line.at(first + 1);
    values.name = line.at(first + 2);
    values.address = line.at(first + 3);
    m_card.coexecutors().store(*number.value, values);
    return {};
}

QString OkCardReader::rubric(const QString &, const Pieces &line)
{
    for (const QString &box : okRubricBoxes()) {
        if (m_controls.text(box) == blankform::date) {
            m_controls.setText(box, line.at(2));
            break;
        }
    }
    return {};
}
