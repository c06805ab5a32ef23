#pragma once

// The editing folder: a card's controls held as values and what runs over them
// without a window (checks, party rules, the windowless document, its
// printing). Uses controls, dialogs, reports and cardfile.

#include "cardfile/cardkind.h"
#include "editing/fieldcheckrun.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class PreparedReport;

// A card of one kind without a window, for the command line: read from a
// file as "Відкрити..." reads it, written as "Записати як..." lays it out,
// printed as "Друк" prints it and checked as leaving each field checks it.
// Each kind's document runs its editor's own rules over the card's controls
// held as plain values, so it costs no widgets. Messages go through the
// dialogs service.
class CardDocument
{
public:
    virtual ~CardDocument() = default;

    virtual CardKind cardKind() const = 0;
    // Empties the card and reads the card file at `path`. Returns true when
    // the file was read to its end; otherwise the reason was shown.
    virtual bool read(const QString &path) = 0;
    // The card's lines in file order, exactly as the editor writes them.
    virtual QStringList writeCard() = 0;
    // Fills the sheets as "Друк" does, shows its notices and prepares the
    // pages; nothing (with the reason shown) when the card cannot be printed.
    virtual std::shared_ptr<const PreparedReport> printedPages() = 0;
    // Those pages written to the PDF file `path`. Returns true when the file
    // was written; otherwise the reason was shown and nothing was written.
    bool printToPdf(const QString &path);
    // Runs every check that leaving a field runs, on the card as it stands.
    virtual QList<FieldFailure> checkFields() const = 0;
};
