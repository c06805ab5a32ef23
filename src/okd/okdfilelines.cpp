#include "okd/okdfilelines.h"

#include "okd/okdcatalogue.h"

#include "cardfile/blankforms.h"

using namespace Qt::StringLiterals;

namespace {

const QString kSeparator = u"\\"_s;

QString line(const QString &code, const QStringList &values)
{
    return code + kSeparator + values.join(kSeparator);
}

// Fields written as "code\value", one line each, in this order.
QStringList plainLines(const CardControls &controls, const QStringList &codes,
                       const QString &prefix = u"ed"_s)
{
    QStringList lines;
    for (const QString &code : codes)
        lines.append(line(code, {controls.text(prefix + code)}));
    return lines;
}

QStringList languageLines(const QString &code, const languagecheck::Texts &texts)
{
    QStringList lines;
    for (int language = 0; language < 3; ++language)
        lines.append(line(code, {QString::number(language + 1), texts.at(language)}));
    return lines;
}

QStringList organisationLines(const OkdValues &values)
{
    const OrganisationBlocks &blocks = values.blocks;
    QStringList lines = {
        line(u"7452"_s, {blocks.councilCode}),
        line(u"1334"_s, {blocks.ministryName}),
        line(u"7461"_s, {blocks.records.at(0).phone}),
    };
    for (const OkdBlockCodes &codes : okdBlockCodes()) {
        const OrganisationBlocks::Record &record = blocks.records.at(codes.block);
        lines << line(codes.code, {record.code}) << line(codes.name, {record.name})
              << line(codes.place, {record.city, record.address})
              << line(codes.phone, {record.phone});
    }
    return lines;
}

QStringList personLines(const CardControls &controls, const OkdValues &values)
{
    QStringList lines;
    for (int n = 1; n <= 3; ++n) {
        const OkdPersonRow row = okdSupervisorRow(n);
        const languagecheck::Texts &names = values.supervisorNames.at(n - 1);
        const QString prefix = u"6156"_s + kSeparator + QString::number(n);
        lines << line(prefix,
                      {u"1"_s, names.at(0), controls.text(row.degree), controls.text(row.title),
                       controls.text(row.code1), controls.text(row.code2)})
              << line(prefix, {u"2"_s, names.at(1)}) << line(prefix, {u"3"_s, names.at(2)});
    }
    for (int n = 1; n <= 4; ++n) {
        const OkdPersonRow row = okdOpponentRow(n);
        lines << line(u"6165"_s, {QString::number(n), controls.text(row.name),
                                  controls.text(row.degree), controls.text(row.title),
                                  controls.text(row.code1), controls.text(row.code2)});
    }
    return lines;
}

} // namespace

const QList<OkdBlockCodes> &okdBlockCodes()
{
    static const QList<OkdBlockCodes> codes = {
        {1, u"2430"_s, u"2304"_s, u"2637"_s, u"2936"_s},
        {2, u"3240"_s, u"3330"_s, u"3276"_s, u"3294"_s},
        {3, u"2484"_s, u"2187"_s, u"2781"_s, u"2988"_s},
        {4, u"2493"_s, u"2196"_s, u"2790"_s, u"2997"_s},
    };
    return codes;
}

QString okdBlockFieldCode(int block, OrganisationBlocks::Box box)
{
    using Box = OrganisationBlocks::Box;
    if (!OrganisationBlocks::stores(block, box))
        return {};
    if (box == Box::Council)
        return u"7452"_s;
    if (box == Box::Ministry)
        return u"1334"_s;
    if (block == 0)
        return u"7461"_s;
    const OkdBlockCodes &codes = okdBlockCodes().at(block - 1);
    switch (box) {
    case Box::Code:
        return codes.code;
    case Box::Name:
        return codes.name;
    case Box::Phone:
        return codes.phone;
    default:
        return codes.place;
    }
}

OkdPersonRow okdSupervisorRow(int supervisor)
{
    const QString n = QString::number(supervisor);
    return {u"ed6156f"_s + n, u"ed6156ns"_s + n, u"ed6156vz"_s + n, u"ed6156h"_s + n,
            u"Ed6156h"_s + n + u"a"_s};
}

OkdPersonRow okdOpponentRow(int opponent)
{
    const QString n = QString::number(opponent);
    return {u"ed6165f"_s + n, u"ed6165ns"_s + n, u"ed6165vz"_s + n, u"ed6165h"_s + n,
            u"Ed6165h"_s + n + u"a"_s};
}

QStringList okdCardLines(const CardControls &controls, const OkdValues &values)
{
    QStringList lines = {
        line(u"5013"_s, {controls.text(u"cb5013"_s)}),
        line(u"5256"_s, {controls.text(u"cb5256"_s)}),
        line(u"5418"_s, {controls.text(u"ed5418N"_s), controls.text(u"ed5418D"_s)}),
        line(u"5438"_s, {controls.text(u"ed5438"_s)}),
    };
    lines += languageLines(u"6147"_s, values.applicantNames);
    lines << line(u"6642"_s, {controls.text(u"cb6642"_s) == u"1"_s ? u"1"_s : u"0"_s})
          << line(u"7425"_s, {controls.text(u"ed7425"_s)})
          << line(u"6444"_s, {controls.text(u"ed6444"_s)});
    if (controls.text(u"Ed6444a"_s) != blankform::date)
        lines << line(u"6444"_s, {controls.text(u"Ed6444a"_s)});
    lines += plainLines(controls, {u"6480"_s, u"7434"_s, u"7020"_s, u"7021"_s});
    lines += plainLines(controls, {u"7443"_s, u"7344"_s, u"5535"_s, u"5211"_s}, u"cb"_s);
    lines += languageLines(u"9045"_s, values.titles);
    lines += languageLines(u"9118"_s, values.abstracts);
    lines += organisationLines(values);
    lines += plainLines(
        controls, {u"5742"_s, u"5751"_s, u"5760"_s, u"5778"_s, u"5787"_s, u"5481"_s, u"5472"_s});
    lines += personLines(controls, values);
    lines += plainLines(controls, {u"5634"_s});
    for (const QString &box : okdnames::rubricBoxes())
        lines << line(u"5616"_s, {controls.text(box)});
    lines += plainLines(controls, {u"6174"_s, u"6140"_s});
    lines << line(u"6273"_s, {controls.text(u"ed6273ns"_s), controls.text(u"ed6273vz"_s)});
    if (!controls.text(u"REG"_s).isEmpty())
        lines << line(u"reg"_s, {controls.text(u"REG"_s), controls.text(u"DREG"_s)});
    return lines;
}
