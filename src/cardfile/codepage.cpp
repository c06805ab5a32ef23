#include "cardfile/codepage.h"

#include "cardfile/codepagetable.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace codepage {
namespace {
const char *const kName = "windows-1251";
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder(kName);
    return decoder.decode(bytes);
}

std::optional<QByteArray> encode(const QString &text)
{
    QStringEncoder encoder(kName);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

bool canHold(const QString &text)
{
    // The table answers for the usual text; the codec decides the rest.
    return table::holdsAll(text) || encode(text).has_value();
}

bool canCarry(const QString &text)
{
    return !text.contains(QLatin1Char('\\')) && canHold(text);
}

} // namespace codepage
