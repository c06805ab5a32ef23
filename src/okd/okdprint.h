#pragma once

#include "okd/okdcard.h"

#include "editing/cardcontrols.h"

#include <QStringList>

class CompositeReport;
class SheetSet;

// "Друк..." of the dissertation card: copies the card into its two sheets
// (QROkd1, QROkd2) and spreads the three abstracts over the abstract box of
// the second sheet and the two columns of up to four continuation pages
// (QRDop ... QRDop3). Everything a run fills is reset first, so nothing of
// an earlier card survives in the sheets this card prints.
struct OkdPrintRun
{
    // The notices of the run in order; the caller shows them before the
    // preview opens.
    QStringList notices;
    // How many continuation pages hold abstract text (0 to 4).
    int contSheets = 0;
};
OkdPrintRun fillOkdSheets(const CardControls &controls, const OkdValues &values, SheetSet &sheets);

// The sheets of a run in print order: the two card pages, then the first
// `contSheets` continuation pages.
void addOkdReports(CompositeReport &report, const SheetSet &sheets, int contSheets);
