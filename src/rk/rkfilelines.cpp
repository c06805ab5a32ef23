#include "rk/rkfilelines.h"

#include "rk/rkcodelists.h"

#include "cardfile/piece.h"

using namespace Qt::StringLiterals;

// Catalogue rows name only the columns they use; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using cardfile::codedLine;

using Source = RkLineRule::Source;
using When = RkLineRule::When;
using Languages = RkCardData::Languages;
using Group = RkCardData::Group;

const QString kBlankRubric = u"  .  .  "_s;

QList<RkLineRule> buildRules()
{
    const QStringList executorTrim = {u"ed2358"_s, u"gorv"_s, u"ed1332"_s};
    return {
        {u"5013"_s, Source::Literal, {u"01"_s}},
        {u"5256"_s, Source::Fields, {u"ed5256"_s}},
        {u"5436"_s, Source::Fields, {u"ed5436"_s}},
        {u"5418"_s, Source::Fields, {u"ed5418N"_s, u"ed5418D"_s}},
        {u"5517"_s, Source::Fields, {u"ed5517"_s}, When::FirstNotEmpty},
        {u"2457"_s, Source::KindNumber, {u"lizv"_s, u"ed2457"_s}},
        {.code = u"2151"_s, .source = Source::Languages, .languages = Languages::ExecutorName},
        {u"2358"_s, Source::Fields, {u"ed2358"_s}, When::Always, executorTrim},
        {u"2655"_s, Source::Fields, {u"gorv"_s, u"mm2655"_s}, When::Always, executorTrim},
        {u"2934"_s, Source::Fields, {u"ed2934"_s}},
        {u"2394"_s, Source::Fields, {u"ed2394"_s, u"Edit2"_s}},
        {u"1332"_s, Source::Fields, {u"ed1332"_s}, When::Always, executorTrim},
        {.code = u"2458"_s, .source = Source::Group, .group = Group::Customers},
        {.source = Source::Finance},
        {u"7353"_s, Source::Fields, {u"ed7353"_s}},
        {u"7362"_s, Source::Fields, {u"ed7362"_s}},
        {u"7146"_s, Source::Fields, {u"ed7146"_s}},
        {u"7191"_s, Source::Fields, {u"ed7191"_s}},
        {u"7200"_s, Source::Fields, {u"ed7200"_s}, When::FirstNotEmpty},
        {u"7020"_s, Source::Fields, {u"ed7020"_s}, When::FirstNotEmpty},
        {u"7021"_s, Source::Fields, {u"ed7021"_s}, When::FirstNotEmpty},
        {u"7209"_s, Source::Fields, {u"ed7209"_s}, When::FirstNotEmpty},
        {u"7210"_s, Source::Fields, {u"ed7210"_s}, When::FirstNotEmpty},
        {u"5274"_s, Source::Fields, {u"ed5274"_s}, When::FirstNotEmpty},
        {u"7199"_s, Source::Fields, {u"ed7199"_s}, When::FirstNotEmpty},
        {u"7022"_s, Source::Fields, {u"ed7022"_s}, When::FirstNotEmpty},
        {.code = u"9027"_s, .source = Source::Languages, .languages = Languages::Title},
        {u"9126"_s, Source::Fields, {u"mm9126"_s}},
        {u"9153"_s, Source::Fields, {u"mm9153"_s}},
        {.code = u"2142"_s, .source = Source::Group, .group = Group::Coexecutors},
        {.code = u"9036"_s, .source = Source::Group, .group = Group::Stages},
        {u"5634"_s, Source::Fields, {u"ed5634"_s}},
        {u"5616"_s, Source::Rubrics, rkRubricBoxes()},
        {u"6111"_s, Source::Fields, {u"ed6111"_s}},
        {u"6210"_s, Source::Fields, {u"ed6210"_s}, When::FirstNotEmpty},
        {.code = u"6120"_s, .source = Source::Languages, .languages = Languages::HeadName},
        {u"6228"_s, Source::Fields, {u"ed6228"_s}, When::FirstNotEmpty},
        {u"6140"_s, Source::Fields, {u"ed6140"_s}},
        {u"reg"_s, Source::Fields, {u"REG"_s, u"DREG"_s}, When::FirstNotEmpty},
    };
}

QString withoutTrailingBlanks(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    text.truncate(end);
    return text;
}

void appendFieldLine(const RkLineRule &rule, const RkCardData &card, QStringList &lines)
{
    QStringList values;
    for (const QString &control : rule.values) {
        const QString text = card.fieldText(control);
        values.append(rule.trimmedRight.contains(control) ? withoutTrailingBlanks(text) : text);
    }
    if (rule.when == When::FirstNotEmpty && values.value(0).isEmpty())
        return;
    lines.append(codedLine(rule.code, values));
}

void appendRule(const RkLineRule &rule, const RkCardData &card, QStringList &lines)
{
    switch (rule.source) {
    case Source::Literal:
        lines.append(codedLine(rule.code, rule.values));
        break;
    case Source::Fields:
        appendFieldLine(rule, card, lines);
        break;
    case Source::KindNumber: {
        QStringList values{
            QString::number(personkind::kindNumber(card.fieldText(rule.values.first())))};
        for (const QString &control : rule.values.mid(1))
            values.append(card.fieldText(control));
        lines.append(codedLine(rule.code, values));
        break;
    }
    case Source::Languages:
        for (int language = 0; language < 3; ++language) {
            lines.append(codedLine(rule.code, {QString::number(language + 1),
                                               card.languageText(rule.languages, language)}));
        }
        break;
    case Source::Group:
        for (const QString &entry : card.groupFileLines(rule.group))
            lines.append(codedLine(rule.code, {entry}));
        break;
    case Source::Finance:
        for (const RkFinanceRow &row : rkFinanceRows()) {
            const QString code = card.fieldText(row.code);
            if (rkFinanceCodes().contains(code))
                lines.append(
                    codedLine(code, {card.fieldText(row.currency), card.fieldText(row.amount)}));
        }
        break;
    case Source::Rubrics:
        for (const QString &box : rule.values) {
            const QString text = card.fieldText(box);
            if (text != kBlankRubric)
                lines.append(codedLine(rule.code, {text}));
        }
        break;
    }
}

} // namespace

const QStringList &rkRubricBoxes()
{
    static const QStringList boxes = {u"ed56161"_s, u"ed56162"_s, u"ed56163"_s,
                                      u"ed56164"_s, u"ed56165"_s, u"ed56166"_s};
    return boxes;
}

const QList<RkFinanceRow> &rkFinanceRows()
{
    static const QList<RkFinanceRow> rows = {
        {u"fin"_s, u"ed"_s, u"sum"_s},
        {u"fin1"_s, u"ed1"_s, u"sum1"_s},
        {u"fin2"_s, u"ed2"_s, u"sum2"_s},
    };
    return rows;
}

const QList<RkLineRule> &rkLineRules()
{
    static const QList<RkLineRule> rules = buildRules();
    return rules;
}

QStringList rkCardLines(const RkCardData &card)
{
    QStringList lines;
    for (const RkLineRule &rule : rkLineRules())
        appendRule(rule, card, lines);
    return lines;
}
