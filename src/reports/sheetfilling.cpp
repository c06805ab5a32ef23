#include "reports/sheetfilling.h"

#include "reports/reportsheet.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace sheetfill {

const QString kBlank = u" "_s;
const QString kContinued = u"(див. продовження)"_s;
const QString kEmptyDate = u"  .  .  "_s;

namespace {
// The caption of a rubric row whose code is empty.
const QString kEmptyRubric = u"           .              .           "_s;
} // namespace

QString orBlank(const QString &text)
{
    return text.isEmpty() ? kBlank : text;
}

bool isUnfilled(const QString &value, const QString &emptyPattern)
{
    return value.trimmed().isEmpty() || (!emptyPattern.isEmpty() && value == emptyPattern);
}

QStringList linesOf(const QString &text)
{
    static const QRegularExpression breaks(u"\r\n|\n\r|\n|\r"_s);
    return text.split(breaks);
}

QStringList numberedLines(const std::array<QString, 3> &texts, bool blankLines)
{
    QStringList lines;
    for (size_t language = 0; language < texts.size(); ++language) {
        lines.append(QString::number(language + 1) + u". "_s + texts[language]);
        if (blankLines)
            lines.append(QString());
    }
    return lines;
}

void fillCellRow(SheetMemo &memo, const QString &value, bool empty, int width, int emptyWidth)
{
    if (empty) {
        memo.setEmptyCells(emptyWidth);
        return;
    }
    memo.setCells(value);
    memo.setAutoSize(false);
    memo.setWidth(width);
}

void fillRubric(SheetLabel &label, const QString &code)
{
    if (isUnfilled(code, kEmptyDate))
        label.setCaption(kEmptyRubric);
    else
        label.setCells(code);
}

void resetContinuation(ReportSheet &dop)
{
    for (const QString &memo : {u"QRMemo1"_s, u"QRMemo2"_s, u"QRMemo3"_s})
        dop.setLines(memo, {});
    for (const QString &label : {u"QRLabel1"_s, u"QRLabel2"_s})
        dop.setCaption(label, kBlank);
}

qsizetype cutLength(const QString &text, qsizetype room)
{
    const qsizetype blank = text.lastIndexOf(QLatin1Char(' '), room - 1);
    return blank >= 0 ? blank + 1 : room;
}

} // namespace sheetfill
