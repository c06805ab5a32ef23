#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the lines of a registration card file are made of.
class RkCardSource
{
public:
    enum class Languages { ExecutorName, Title, HeadName };
    enum class Group { Customers, Coexecutors, Stages };

    virtual ~RkCardSource() = default;
    // The text of a control as the file carries it (masked edits in their
    // read-back form).
    virtual QString fieldText(const QString &control) const = 0;
    // Ukrainian, Russian and English texts of a three-language field.
    virtual QStringList languageTexts(Languages which) const = 0;
    // The file form of every stored entry of a group, in number order.
    virtual QStringList groupLines(Group which) const = 0;
    // 1 + the position of the executor's kind text among its items, 0 when
    // it is none of them.
    virtual int executorKindNumber() const = 0;
};

// One line, or one family of lines, of the card file, in file order.
struct RkLineRule
{
    enum class Source {
        Literal,      // the code and `values` as they stand
        Fields,       // the code and the texts of the controls in `values`
        ExecutorKind, // the code, the executor's kind number, the texts of `values`
        Languages,    // one line per language: the code, its number 1..3, its text
        Group,        // one line per stored entry: the code and the entry
        Finance,      // one line per finance row whose code box holds a finance code
        Rubrics,      // one line per control of `values` that is not blank
    };
    enum class When {
        Always,
        FirstNotEmpty, // only when the first value is not empty
    };

    QString code;
    Source source = Source::Fields;
    QStringList values = {};
    When when = When::Always;
    QStringList trimmedRight = {}; // controls written without trailing blanks
    RkCardSource::Languages languages = RkCardSource::Languages::ExecutorName;
    RkCardSource::Group group = RkCardSource::Group::Customers;
};

const QList<RkLineRule> &rkLineRules();

// The finance rows: code box, currency box, amount, in row order.
struct RkFinanceRow
{
    QString code;
    QString currency;
    QString amount;
};
const QList<RkFinanceRow> &rkFinanceRows();

// The six rubric boxes in file order.
const QStringList &rkRubricBoxes();

// The card's lines in file order, without line ends.
QStringList rkCardLines(const RkCardSource &card);
