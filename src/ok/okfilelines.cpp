#include "ok/okfilelines.h"

#include "ok/okeditorlogic.h"

#include "cardfile/blankforms.h"
#include "cardfile/personkind.h"
#include "cardfile/piece.h"

using namespace Qt::StringLiterals;

// Catalogue rows name only the columns they use; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using cardfile::codedLine;

using Languages = OkEditorLogic::Languages;
using List = OkEditorLogic::List;

// One line, or one family of lines, of the card file, in file order.
struct LineRule
{
    enum class Source {
        Fields,      // the code and the texts of the controls in `values`
        KindNumber,  // the code, the kind number of the kind box first in
                     // `values`, the texts of the other controls
        Languages,   // one line per language: the code, its number 1..3, its text
        List,        // the code and the list's entries, each followed by ";"
        Coexecutors, // one line per co-executor that holds a value
        Rubrics,     // one line per control of `values` that is not blank
    };
    enum class When {
        Always,
        FirstNotEmpty, // only when the first value is not empty
        ExecutorLegal, // only when the executor is written as a legal person
    };

    QString code;
    Source source = Source::Fields;
    QStringList values = {};
    When when = When::Always;
    Languages languages = Languages::ExecutorName;
    List list = List::Programmes;
};

using Source = LineRule::Source;
using When = LineRule::When;

QList<LineRule> buildRules()
{
    return {
        {u"5013"_s, Source::Fields, {u"cb5013"_s}},
        {u"5256"_s, Source::Fields, {u"cb5256"_s}},
        {u"5418"_s, Source::Fields, {u"ed5418N"_s, u"ed5418D"_s}},
        {u"5436"_s, Source::Fields, {u"ed5436"_s}},
        {u"5437"_s, Source::Fields, {u"ed5437"_s}},
        {.code = u"7200"_s, .source = Source::List, .list = List::Programmes},
        {u"7021"_s, Source::Fields, {u"ed7021"_s}},
        {u"7020"_s, Source::Fields, {u"ed7020"_s}},
        {u"7199"_s, Source::Fields, {u"ed7199"_s}, When::FirstNotEmpty},
        {u"7022"_s, Source::Fields, {u"ed7022"_s}, When::FirstNotEmpty},
        {u"2457"_s, Source::KindNumber, {u"lizv"_s, u"ed2457"_s}},
        {.code = u"2151"_s, .source = Source::Languages, .languages = Languages::ExecutorName},
        {u"2358"_s, Source::Fields, {u"ed2358"_s}},
        {u"2655"_s, Source::Fields, {u"gorv"_s, u"mm2655"_s}},
        {u"2934"_s, Source::Fields, {u"ed2934"_s}},
        {u"2394"_s, Source::Fields, {u"ed2394"_s, u"Edit1"_s}, When::ExecutorLegal},
        {u"1332"_s, Source::Fields, {u"ed1332"_s}, When::ExecutorLegal},
        {u"2459"_s, Source::KindNumber, {u"lizz"_s, u"ed2459"_s}},
        {u"2153"_s, Source::Fields, {u"mm2153"_s}},
        {u"2360"_s, Source::Fields, {u"ed2360"_s}},
        {u"2657"_s, Source::Fields, {u"gorz"_s, u"ed2657"_s}},
        {u"2935"_s, Source::Fields, {u"ed2935"_s}},
        {u"2395"_s, Source::Fields, {u"ed2395"_s, u"Edit2"_s}},
        {u"1333"_s, Source::Fields, {u"ed1333"_s}},
        {u"5518"_s, Source::Fields, {u"ed5518N"_s, u"ed5518D"_s}},
        {u"9036"_s,
         Source::Fields,
         {u"ed9036n"_s, u"ed9036p"_s, u"ed9036z"_s, u"cb9036e"_s, u"mm9036"_s}},
        {.code = u"5526"_s, .source = Source::List, .list = List::StageNumbers},
        {.code = u"9027"_s, .source = Source::Languages, .languages = Languages::Title},
        {.code = u"9117"_s, .source = Source::Languages, .languages = Languages::Abstract},
        {u"5635"_s, Source::Fields, {u"mm5635"_s}},
        {u"5481"_s, Source::Fields, {u"mm5481"_s}},
        {u"5490"_s, Source::Fields, {u"ed5490"_s}},
        {u"5562"_s, Source::Fields, {u"cb5562"_s}},
        {u"7344"_s, Source::Fields, {u"cb7344"_s}},
        {u"5040"_s, Source::Fields, {u"cb5040"_s}},
        {u"5715"_s, Source::Fields, {u"cb5715"_s}},
        {u"5742"_s, Source::Fields, {u"ed5742"_s}},
        {u"7209"_s, Source::Fields, {u"cb7209"_s}},
        {u"7210"_s, Source::Fields, {u"ed7210"_s}},
        {.code = u"2142"_s, .source = Source::Coexecutors},
        {u"5535"_s, Source::Fields, {u"cb5535"_s}},
        {u"5211"_s, Source::Fields, {u"cb5211"_s}},
        {u"6012"_s, Source::Fields, {u"ed6012"_s}},
        {u"6140"_s, Source::Fields, {u"ed6140"_s}},
        {.code = u"7326"_s, .source = Source::List, .list = List::Products},
        {u"5634"_s, Source::Fields, {u"ed5634"_s}},
        {u"5616"_s, Source::Rubrics, okRubricBoxes()},
        {u"6111"_s, Source::Fields, {u"ed6111"_s}},
        {u"6210"_s, Source::Fields, {u"ed6210vc"_s}},
        {.code = u"6120"_s, .source = Source::Languages, .languages = Languages::HeadName},
        {u"6228"_s, Source::Fields, {u"ed6228vc"_s}},
        {u"reg"_s, Source::Fields, {u"REG"_s, u"DREG"_s}, When::FirstNotEmpty},
    };
}

QString kindNumberOf(const OkEditorLogic &card, const QString &kindBox)
{
    return QString::number(personkind::kindNumber(card.controls().text(kindBox)));
}

void appendRule(const LineRule &rule, const OkEditorLogic &card, QStringList &lines)
{
    const CardControls &controls = card.controls();
    if (rule.when == When::ExecutorLegal && kindNumberOf(card, u"lizv"_s) != u"1"_s)
        return;
    switch (rule.source) {
    case Source::Fields: {
        QStringList values;
        for (const QString &control : rule.values)
            values.append(controls.text(control));
        if (rule.when == When::FirstNotEmpty && values.value(0).isEmpty())
            return;
        lines.append(codedLine(rule.code, values));
        break;
    }
    case Source::KindNumber:
        lines.append(codedLine(rule.code, {kindNumberOf(card, rule.values.first()),
                                           controls.text(rule.values.at(1))}));
        break;
    case Source::Languages:
        for (int language = 0; language < 3; ++language) {
            lines.append(codedLine(rule.code, {QString::number(language + 1),
                                               card.language(rule.languages).text(language)}));
        }
        break;
    case Source::List:
        lines.append(codedLine(rule.code, {card.list(rule.list).fileValue()}));
        break;
    case Source::Coexecutors:
        for (const QString &entry : card.coexecutors().fileValues())
            lines.append(codedLine(rule.code, {entry}));
        break;
    case Source::Rubrics:
        for (const QString &box : rule.values) {
            const QString text = controls.text(box);
            if (text != blankform::date)
                lines.append(codedLine(rule.code, {text}));
        }
        break;
    }
}

} // namespace

const QStringList &okRubricBoxes()
{
    static const QStringList boxes = {u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s,
                                      u"ed5616d"_s, u"ed5616e"_s, u"ed5616f"_s};
    return boxes;
}

QStringList okCardLines(const OkEditorLogic &card)
{
    static const QList<LineRule> rules = buildRules();
    QStringList lines;
    for (const LineRule &rule : rules)
        appendRule(rule, card, lines);
    return lines;
}
