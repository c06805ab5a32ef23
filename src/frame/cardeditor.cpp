#include "frame/cardeditor.h"

#include "frame/unsavedchanges.h"

namespace {
std::function<void(CardKind)> &opener()
{
    static std::function<void(CardKind)> installed;
    return installed;
}

std::function<void(const QStringList &)> &filesOpener()
{
    static std::function<void(const QStringList &)> installed;
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

void setCardFilesOpener(std::function<void(const QStringList &)> opener)
{
    filesOpener() = std::move(opener);
}

void openCardFiles(const QStringList &paths)
{
    if (filesOpener())
        filesOpener()(paths);
}

bool openCardFileIn(CardEditor &editor, const QString &path)
{
    return settleUnsavedChanges(editor) && editor.readCard(path);
}
