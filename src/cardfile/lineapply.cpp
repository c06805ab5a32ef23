#include "cardfile/lineapply.h"

namespace cardfile {

QString applyInFileOrder(const CardLine &pass, const ApplyLine &apply)
{
    if (!pass.multiCode.isEmpty()) {
        const QString error = apply(pass.multiCode, pass.joinedText);
        if (!error.isEmpty())
            return error;
    }
    if (!pass.code.isEmpty())
        return apply(pass.code, pass.line);
    return {};
}

PieceNumber numberPiece(const QString &code, const QString &text)
{
    const std::optional<int> value = wholeNumber(text);
    if (!value)
        return {std::nullopt, notWholeNumberMessage(code, text)};
    return {value, {}};
}

} // namespace cardfile
