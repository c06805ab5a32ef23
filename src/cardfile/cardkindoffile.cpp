#include "cardfile/cardkindoffile.h"

#include "cardfile/cardreader.h"
#include "cardfile/piece.h"

KindOfFile kindOfCardFile(const QString &path)
{
    std::optional<QString> typeCode;
    const cardfile::FileResult result =
        cardfile::readCardFile(path, {}, [&typeCode](const cardfile::CardLine &line) {
            if (line.code != u"5013")
                return QString();
            typeCode = cardfile::trimmed(cardfile::pieceView(line.line, 2));
            return QStringLiteral("5013");
        });
    if (!typeCode && !result.ok)
        return {std::nullopt, result.error};
    return {typeCode ? kindFromTypeCode(*typeCode) : std::nullopt, {}};
}
