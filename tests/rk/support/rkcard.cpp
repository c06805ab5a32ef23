#include "rk/support/rkcard.h"

#include "rk/rkcardreader.h"
#include "rk/rkfilelines.h"
#include "rk/support/rkfiles.h"

#include "cardfile/cardreader.h"

QString PlainCard::read(const QStringList &lines)
{
    RkCardReader reader(logic);
    const cardfile::FileResult result = cardfile::readCardBytes(
        cardBytes(lines), RkCardReader::format(),
        [&reader](const cardfile::CardLine &pass) { return reader.apply(pass); });
    reader.finish();
    return result.ok ? QString() : result.error;
}

QStringList PlainCard::lines() const
{
    return rkCardLines(logic);
}
