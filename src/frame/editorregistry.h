#pragma once

#include "cardfile/cardkind.h"
#include "editing/carddocument.h"
#include "frame/cardeditor.h"

#include <QWidget>

#include <concepts>
#include <functional>
#include <memory>

// How a fresh editor, and a fresh windowless document, of each card kind is
// made. The card editors live in
// libraries built on top of this one, so the program registers one factory per
// kind at start-up; the main window and the command line create editors only
// through here. A kind without a factory has no editor in this build.
using EditorFactory = std::function<QWidget *()>;

// Installs (or, with an empty factory, removes) the factory of `kind`.
void registerEditorFactory(CardKind kind, EditorFactory factory);
bool hasEditorFactory(CardKind kind);
// A new, hidden, parentless editor window of `kind`, or nullptr when the kind
// has no factory. The caller owns it.
QWidget *createEditor(CardKind kind);

using DocumentFactory = std::function<std::unique_ptr<CardDocument>()>;

// Installs (or, with an empty factory, removes) the document factory of `kind`.
void registerDocumentFactory(CardKind kind, DocumentFactory factory);
// A new, empty document of `kind`, or nullptr when the kind has no factory.
std::unique_ptr<CardDocument> createDocument(CardKind kind);

// The card side of an editor window made by a factory.
CardEditor *cardEditorOf(QWidget *editor);

template <typename Editor>
requires std::derived_from<Editor, QWidget> && std::derived_from<Editor, CardEditor>
void registerEditor(CardKind kind)
{
    registerEditorFactory(kind, [] { return new Editor; });
}

template <typename Document>
requires std::derived_from<Document, CardDocument>
void registerDocument(CardKind kind)
{
    registerDocumentFactory(kind, [] { return std::make_unique<Document>(); });
}
