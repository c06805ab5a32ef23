#pragma once

#include "app/cardkind.h"

// What the main window and the command line need from a card editor window.
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
};
