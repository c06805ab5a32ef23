#include "okd/okdcardreader.h"

#include "okd/okdcatalogue.h"
#include "okd/okdfilelines.h"

#include "cardfile/lineapply.h"

#include <optional>

using namespace Qt::StringLiterals;
using cardfile::Pieces;

namespace {

using Box = OrganisationBlocks::Box;

// Lines whose piece 2 goes into the control named here as it stands.
const QHash<QString, QString> &plainControls()
{
    static const QHash<QString, QString> controls = [] {
        QHash<QString, QString> all;
        for (const QString &code :
             {u"5013"_s, u"5256"_s, u"7443"_s, u"7344"_s, u"5535"_s, u"5211"_s})
            all.insert(code, u"cb"_s + code);
        for (const QString &code :
             {u"5438"_s, u"7425"_s, u"6480"_s, u"7434"_s, u"7020"_s, u"7021"_s, u"5742"_s,
              u"5751"_s, u"5760"_s, u"5778"_s, u"5787"_s, u"5481"_s, u"5472"_s, u"5634"_s,
              u"6174"_s, u"6140"_s})
            all.insert(code, u"ed"_s + code);
        return all;
    }();
    return controls;
}

bool inRange(int value, int first, int last)
{
    return value >= first && value <= last;
}

// What an organisation line fills: the block and which of its values.
struct OrganisationLine
{
    int block;
    std::optional<Box> box; // nothing: the city and address line
};

const QHash<QString, OrganisationLine> &organisationLines()
{
    static const QHash<QString, OrganisationLine> lines = [] {
        QHash<QString, OrganisationLine> all = {
            {u"7452"_s, {0, Box::Council}},
            {u"1334"_s, {1, Box::Ministry}},
            {u"7461"_s, {0, Box::Phone}},
        };
        for (const OkdBlockCodes &codes : okdBlockCodes()) {
            all.insert(codes.code, {codes.block, Box::Code});
            all.insert(codes.name, {codes.block, Box::Name});
            all.insert(codes.place, {codes.block, std::nullopt});
            all.insert(codes.phone, {codes.block, Box::Phone});
        }
        return all;
    }();
    return lines;
}

} // namespace

OkdCardReader::OkdCardReader(CardControls &controls, OkdValues &values)
    : m_controls(controls), m_values(values)
{}

const cardfile::CardFormat &OkdCardReader::format()
{
    // Lines whose first value may be empty while a later one is not, as the
    // program writes them: the letter's date without its number, an
    // organisation's address without its city, the chair's academic title
    // without a degree. Reading them back must not drop what follows.
    static const cardfile::CardFormat okd{
        {u"9045"_s, u"9118"_s},
        {u"5418"_s, u"2637"_s, u"3276"_s, u"2781"_s, u"2790"_s, u"6273"_s},
        false,
    };
    return okd;
}

const QHash<QString, OkdCardReader::Handler> &OkdCardReader::handlers()
{
    static const QHash<QString, Handler> table = [] {
        QHash<QString, Handler> rules;
        for (const QString &code : plainControls().keys())
            rules.insert(code, &OkdCardReader::plainField);
        for (const QString &code : organisationLines().keys())
            rules.insert(code, &OkdCardReader::organisation);
        rules.insert(u"5418"_s, &OkdCardReader::letter);
        rules.insert(u"reg"_s, &OkdCardReader::registration);
        rules.insert(u"6273"_s, &OkdCardReader::chair);
        rules.insert(u"6147"_s, &OkdCardReader::applicant);
        rules.insert(u"6642"_s, &OkdCardReader::postgraduate);
        rules.insert(u"6444"_s, &OkdCardReader::speciality);
        rules.insert(u"5616"_s, &OkdCardReader::rubric);
        rules.insert(u"9045"_s, &OkdCardReader::titleOrAbstract);
        rules.insert(u"9118"_s, &OkdCardReader::titleOrAbstract);
        rules.insert(u"6156"_s, &OkdCardReader::supervisor);
        rules.insert(u"6165"_s, &OkdCardReader::opponent);
        return rules;
    }();
    return table;
}

QString OkdCardReader::apply(const cardfile::CardLine &pass)
{
    return cardfile::applyInFileOrder(
        pass, [this](const QString &code, const QString &text) { return applyOne(code, text); });
}

QString OkdCardReader::applyOne(const QString &code, const QString &text)
{
    const Handler handler = handlers().value(code);
    if (!handler)
        return {};
    return (this->*handler)(code, Pieces(text));
}

QString OkdCardReader::plainField(const QString &code, const Pieces &line)
{
    m_controls.setText(plainControls().value(code), line.at(2));
    return {};
}

QString OkdCardReader::letter(const QString &, const Pieces &line)
{
    m_controls.setText(u"ed5418N"_s, line.at(2));
    m_controls.setText(u"ed5418D"_s, line.at(3));
    return {};
}

QString OkdCardReader::registration(const QString &, const Pieces &line)
{
    m_controls.setText(u"REG"_s, line.at(2));
    m_controls.setText(u"DREG"_s, line.at(3));
    return {};
}

QString OkdCardReader::chair(const QString &, const Pieces &line)
{
    m_controls.setText(u"ed6273ns"_s, line.at(2));
    m_controls.setText(u"ed6273vz"_s, line.at(3));
    return {};
}

QString OkdCardReader::applicant(const QString &, const Pieces &line)
{
    const QString first = cardfile::trimmed(line.view(2));
    if (first.size() != 1) {
        // Older files carry the Ukrainian name alone.
        m_values.applicantNames[0] = first;
        return {};
    }
    const std::optional<int> language = cardfile::wholeNumber(first);
    if (!language)
        return cardfile::notWholeNumberMessage(first);
    if (inRange(*language, 1, 3))
        m_values.applicantNames.at(*language - 1) = cardfile::trimmed(line.view(3));
    return {};
}

QString OkdCardReader::postgraduate(const QString &, const Pieces &line)
{
    const QString tickedText = line.at(2);
    const std::optional<int> ticked = cardfile::wholeNumber(tickedText);
    if (!ticked)
        return cardfile::notWholeNumberMessage(tickedText);
    if (*ticked == 0 || *ticked == 1)
        m_controls.setText(u"cb6642"_s, QString::number(*ticked));
    return {};
}

void OkdCardReader::fillNext(const QString &code, const QStringList &boxes, const QString &text)
{
    int &taken = m_boxesTaken[code];
    if (taken < boxes.size())
        m_controls.setText(boxes.at(taken++), text);
}

QString OkdCardReader::speciality(const QString &code, const Pieces &line)
{
    fillNext(code, {u"ed6444"_s, u"Ed6444a"_s}, line.at(2));
    return {};
}

QString OkdCardReader::rubric(const QString &code, const Pieces &line)
{
    fillNext(code, okdnames::rubricBoxes(), line.at(2));
    return {};
}

QString OkdCardReader::titleOrAbstract(const QString &code, const Pieces &line)
{
    const QString languageText = line.at(2);
    const std::optional<int> language = cardfile::wholeNumber(languageText);
    if (!language)
        return cardfile::notWholeNumberMessage(languageText);
    if (inRange(*language, 1, 3)) {
        languagecheck::Texts &texts = code == u"9045"_s ? m_values.titles : m_values.abstracts;
        texts.at(*language - 1) = line.at(3);
    }
    return {};
}

QString OkdCardReader::organisation(const QString &code, const Pieces &line)
{
    const OrganisationLine target = organisationLines().value(code);
    OrganisationBlocks &blocks = m_values.blocks;
    OrganisationBlocks::Record &record = blocks.records.at(target.block);
    if (!target.box) {
        record.city = line.at(2);
        record.address = line.at(3);
        return {};
    }
    switch (*target.box) {
    case Box::Council:
        blocks.councilCode = line.at(2);
        break;
    case Box::Ministry:
        blocks.ministryName = line.at(2);
        break;
    case Box::Code:
        record.code = line.at(2);
        break;
    case Box::Name:
        record.name = line.at(2);
        break;
    default:
        record.phone = line.at(2);
        break;
    }
    return {};
}

QString OkdCardReader::supervisor(const QString &, const Pieces &line)
{
    const QString rowText = cardfile::trimmed(line.view(2));
    const std::optional<int> row = cardfile::wholeNumber(rowText);
    if (!row)
        return cardfile::notWholeNumberMessage(rowText);
    if (!inRange(*row, 1, 3))
        return {};
    languagecheck::Texts &names = m_values.supervisorNames.at(*row - 1);
    const OkdPersonRow controls = okdSupervisorRow(*row);
    const auto trimmedPiece = [&line](int n) { return cardfile::trimmed(line.view(n)); };
    // Older files carry the Ukrainian name and the rest without a language.
    int first = 3;
    const QString third = trimmedPiece(3);
    if (third.size() == 1) {
        const std::optional<int> language = cardfile::wholeNumber(third);
        if (!language)
            return cardfile::notWholeNumberMessage(third);
        if (*language == 2 || *language == 3) {
            names.at(*language - 1) = trimmedPiece(4);
            return {};
        }
        if (*language != 1)
            return {};
        first = 4;
    }
    names[0] = trimmedPiece(first);
    putDegreeTitleCodes(controls, line, first + 1);
    return {};
}

QString OkdCardReader::opponent(const QString &, const Pieces &line)
{
    const QString rowText = cardfile::trimmed(line.view(2));
    const std::optional<int> row = cardfile::wholeNumber(rowText);
    if (!row)
        return cardfile::notWholeNumberMessage(rowText);
    if (!inRange(*row, 1, 4))
        return {};
    const OkdPersonRow controls = okdOpponentRow(*row);
    m_controls.setText(controls.name, line.at(3));
    putDegreeTitleCodes(controls, line, 4);
    return {};
}

// The pieces are taken as they stand: a code's blanks are positions of its
// mask (" 3.05.21" is not "3 .05.21").
void OkdCardReader::putDegreeTitleCodes(const OkdPersonRow &controls, const Pieces &line, int from)
{
    m_controls.setText(controls.degree, line.at(from));
    m_controls.setText(controls.title, line.at(from + 1));
    m_controls.setText(controls.code1, line.at(from + 2));
    m_controls.setText(controls.code2, line.at(from + 3));
}
