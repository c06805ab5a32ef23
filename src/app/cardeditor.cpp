#include "app/cardeditor.h"

#include "app/dialogs.h"

namespace {
std::function<void(CardKind)> &opener()
{
    static std::function<void(CardKind)> installed;
    return installed;
}
} // namespace

void setEditorOpener(std::function<void(CardKind)> newOpener)
{
    opener() = std::move(newOpener);
}

void openEditor(CardKind kind)
{
    if (opener())
        opener()(kind);
}

bool CardEditor::printToPdf(const QString &)
{
    dialogs().inform(QStringLiteral("Друк цієї картки у файл PDF недоступний."));
    return false;
}
