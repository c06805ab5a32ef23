#pragma once

#include "cardfile/cardkind.h"

#include <QString>
#include <QStringList>

#include <functional>

class InputGate;

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
    // Empties the card and reads the card file at `path`, as "Відкрити..."
    // does once its file is chosen. Returns true when it was read whole.
    virtual bool readCard(const QString &path) = 0;
    // The card file last written or read; empty for a card never saved.
    virtual QString cardFile() const = 0;
    virtual void setCardFile(const QString &path) = 0;
    // The end-of-input gate, which holds the unsaved-changes flag.
    virtual InputGate &inputGate() const = 0;
};

// "Відкрити..." of `path` in `editor`: the unsaved-changes question, then
// the reading. False when the clerk cancelled or the card was not read whole.
bool openCardFileIn(CardEditor &editor, const QString &path);

// The main window installs how a fresh editor of a kind is opened; an
// editor's "Новий" calls openEditor after it has closed itself.
void setEditorOpener(std::function<void(CardKind)> opener);
void openEditor(CardKind kind);

// The main window installs how card files are opened, each in a new editor
// of its kind (files dropped on an editor beyond the first one go there).
void setCardFilesOpener(std::function<void(const QStringList &)> opener);
void openCardFiles(const QStringList &paths);
