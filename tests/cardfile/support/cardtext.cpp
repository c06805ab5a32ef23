#include "cardfile/support/cardtext.h"

#include "cardfile/codepage.h"

namespace cardtest {

QByteArray cardBytes(const QString &text)
{
    QString withLineEnds = text;
    withLineEnds.replace(u'\n', QStringLiteral("\r\n"));
    return codepage::encode(withLineEnds).value();
}

cardfile::CardFormat rkFormat()
{
    return {{"2151", "2152", "9027", "9126", "9153", "9036"}, {"2394"}, true};
}

cardfile::CardFormat okFormat()
{
    return {
        {"2151", "2655", "2153", "9036", "9027", "9117", "5635", "5481"}, {"2394", "2395"}, true};
}

cardfile::CardFormat okdFormat()
{
    return {{"9045", "9118"}, {}, false};
}

cardfile::LineHandler Recorder::handler()
{
    return [this](const cardfile::CardLine &pass) {
        ++passes;
        for (const auto &[code, text] :
             {std::pair{pass.multiCode, pass.joinedText}, std::pair{pass.code, pass.line}}) {
            if (code.isEmpty())
                continue;
            if (code == stopCode)
                return stopMessage;
            applied.append({code, text});
        }
        return QString();
    };
}

} // namespace cardtest
