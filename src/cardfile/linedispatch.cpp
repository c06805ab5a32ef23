#include "cardfile/linedispatch.h"

namespace cardfile {

QString applyInFileOrder(const CardLine &pass, const FieldApplier &apply)
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

} // namespace cardfile
