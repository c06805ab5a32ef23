#include "frame/editorregistry.h"

#include <array>

namespace {
std::array<EditorFactory, 3> &factories()
{
    static std::array<EditorFactory, 3> installed;
    return installed;
}

EditorFactory &factoryOf(CardKind kind)
{
    return factories()[static_cast<std::size_t>(kind)];
}

DocumentFactory &documentFactoryOf(CardKind kind)
{
    static std::array<DocumentFactory, 3> installed;
    return installed[static_cast<std::size_t>(kind)];
}
} // namespace

void registerEditorFactory(CardKind kind, EditorFactory factory)
{
    factoryOf(kind) = std::move(factory);
}

bool hasEditorFactory(CardKind kind)
{
    return static_cast<bool>(factoryOf(kind));
}

QWidget *createEditor(CardKind kind)
{
    const EditorFactory &factory = factoryOf(kind);
    if (!factory)
        return nullptr;
    QWidget *editor = factory();
    Q_ASSERT_X(!editor || cardEditorOf(editor), "createEditor",
               "an editor window has to implement CardEditor");
    return editor;
}

CardEditor *cardEditorOf(QWidget *editor)
{
    return dynamic_cast<CardEditor *>(editor);
}

void registerDocumentFactory(CardKind kind, DocumentFactory factory)
{
    documentFactoryOf(kind) = std::move(factory);
}

std::unique_ptr<CardDocument> createDocument(CardKind kind)
{
    const DocumentFactory &factory = documentFactoryOf(kind);
    return factory ? factory() : nullptr;
}
