#include "cardfile/lineapply.h"

namespace cardfile {

QString applyInFileOrder(const CardLine &pass, const ApplyLine &apply)
{
    if (!pass.multiCode.isEmpty()) {
        const QString problem = apply(pass.multiCode, pass.joinedText);
        if (!problem.isEmpty())
            return stoppedAt(pass.multiLineNumber, pass.multiCode, problem);
    }
    if (!pass.code.isEmpty()) {
        const QString problem = apply(pass.code, pass.line);
        if (!problem.isEmpty())
            return stoppedAt(pass.lineNumber, pass.code, problem);
    }
    return {};
}

PieceNumber numberPiece(const QString &, const QString &text)
{
    const std::optional<int> value = wholeNumber(text);
    if (!value)
        return {std::nullopt, notWholeNumberMessage(text)};
    return {value, {}};
}

QString applyLanguageLine(const QString &code, const Pieces &line, bool olderNameAlone,
                          const SetLanguageText &set)
{
    const QString first = line.at(2);
    if (olderNameAlone && first.size() > 1) {
        set(0, first);
        return {};
    }
    const PieceNumber language = numberPiece(code, first);
    if (!language.value)
        return language.error;
    if (*language.value >= 1 && *language.value <= 3)
        set(*language.value - 1, line.at(3));
    return {};
}

} // namespace cardfile
