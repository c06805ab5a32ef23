#include "cardfile/fieldchecks.h"

#include "cardfile/blankforms.h"
#include "cardfile/personkind.h"

namespace fieldchecks {
namespace {

const QString kDateError = QStringLiteral("Помилка в даті");
const QString kMonthError = QStringLiteral("Помилка в місяці!");
const QString kDayError = QStringLiteral("Помилка в числі місяця!");
const QString kNumberError = QStringLiteral("Помилка в номері");
const QString kLineBreak = QStringLiteral("\n\r");

bool hasBlank(const QString &text)
{
    return text.contains(QLatin1Char(' '));
}

// The two characters at `from` as a number, or -1 when they are not two digits.
int twoDigits(const QString &text, qsizetype from)
{
    if (text.size() < from + 2)
        return -1;
    const QChar tens = text.at(from);
    const QChar ones = text.at(from + 1);
    if (tens < u'0' || tens > u'9' || ones < u'0' || ones > u'9')
        return -1;
    return (tens.unicode() - u'0') * 10 + (ones.unicode() - u'0');
}

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

QString prefixed(const QString &fieldCode, const QString &message)
{
    return fieldCode.isEmpty() ? message : fieldCode + QLatin1Char('.') + message;
}

bool isCapitalU(const QString &text, qsizetype at)
{
    return text.size() > at && text.at(at) == u'U';
}

} // namespace

QStringList checkDate(const QString &text)
{
    if (hasBlank(text))
        return text == blankform::date ? QStringList() : QStringList{kDateError};
    QStringList messages;
    if (!inRange(twoDigits(text, 3), 1, 12))
        messages << kMonthError;
    if (!inRange(twoDigits(text, 0), 1, 31))
        messages << kDayError;
    return messages;
}

QStringList checkMonthYear(const QString &text)
{
    if (hasBlank(text))
        return text == blankform::monthYear ? QStringList() : QStringList{kDateError};
    if (!inRange(twoDigits(text, 0), 1, 12))
        return {kMonthError};
    return {};
}

QStringList checkOrganisationCode(const QString &text, const QString &marker,
                                  const QString &fieldCode)
{
    if (!hasBlank(text))
        return {};
    if (marker == personkind::legalMarker && text != blankform::organisationCode)
        return {prefixed(fieldCode, QStringLiteral("Помилка в коді ЄДРПОУ.")) + kLineBreak +
                QStringLiteral("В коді повинно бути 8 цифр")};
    if (marker == personkind::individualMarker && text != blankform::taxNumber)
        return {
            prefixed(fieldCode, QStringLiteral("Помилка в індивідуальному податковому номері.")) +
            kLineBreak + QStringLiteral("В номері повинно бути 10 цифр")};
    return {};
}

QStringList checkNumberComplete(const QString &text, const QString &fieldCode)
{
    if (hasBlank(text) && text != blankform::fixedUNumber)
        return {prefixed(fieldCode, kNumberError)};
    return {};
}

QStringList checkNumberLetter(const QString &text, const QString &fieldCode)
{
    if (hasBlank(text) || isCapitalU(text, 0) || isCapitalU(text, 4))
        return {};
    return {prefixed(fieldCode, kNumberError)};
}

QStringList checkCode(const QString &text, const CodeList &list)
{
    if (list.codes.contains(text) || (text.isEmpty() && list.acceptsEmpty))
        return {};
    return {list.message};
}

} // namespace fieldchecks
