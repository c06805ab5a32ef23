#pragma once

#include "app/cardkind.h"
#include "app/fieldcheckrun.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// What the main window and the command line need from a card editor window.
// Every editor window implements it besides being a QWidget.
class CardEditor
{
public:
    virtual ~CardEditor() = default;

    virtual CardKind cardKind() const = 0;
    // The unsaved-changes flag.
    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;
    // "Записати як...": asks for a file name and writes the card. Returns
    // true when the card was written, false when the dialog was cancelled or
    // the write failed (the flag then stays as it was).
    virtual bool saveAs() = 0;
    // The card's lines in file order, exactly as "Записати як..." writes them.
    virtual QStringList writeCard() = 0;
    // "Відкрити...": asks about unsaved changes and for a file, then reads it.
    // Returns true when a file was read to its end without an error.
    virtual bool open() = 0;
    // "Друк" into the PDF file `path` instead of the preview: the same
    // filling and notices, exactly the pages the preview would show. Returns
    // true when the file was written; otherwise the reason was shown through
    // the dialogs service and nothing was written. An editor that cannot
    // print says so.
    virtual bool printToPdf(const QString &path);
    // Runs every check that leaving a field runs, on the card as it stands,
    // without moving the cursor or changing the card. Nothing when this
    // editor cannot check a whole card.
    virtual std::optional<QList<FieldFailure>> checkFields() const { return std::nullopt; }
};

// The main window installs how a fresh editor of a kind is opened; an
// editor's "Новий" calls openEditor after it has closed itself.
void setEditorOpener(std::function<void(CardKind)> opener);
void openEditor(CardKind kind);
