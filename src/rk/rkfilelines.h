#pragma once

#include "rk/rkcarddata.h"

#include <QList>
#include <QString>
#include <QStringList>

// One line, or one family of lines, of the card file, in file order.
struct RkLineRule
{
    enum class Source {
        Literal,    // the code and `values` as they stand
        Fields,     // the code and the texts of the controls in `values`
        KindNumber, // the code, the kind number of the kind box first in `values`,
                    // the texts of the other controls
        Languages,  // one line per language: the code, its number 1..3, its text
        Group,      // one line per stored entry: the code and the entry
        Finance,    // one line per finance row whose code box holds a finance code
        Rubrics,    // one line per control of `values` that is not blank
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
    RkCardData::Languages languages = RkCardData::Languages::ExecutorName;
    RkCardData::Group group = RkCardData::Group::Customers;
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
QStringList rkCardLines(const RkCardData &card);
