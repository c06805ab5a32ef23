#pragma once

#include <QStringList>

class CompositeReport;
class OkEditorLogic;
class SheetSet;

// "Друк" of the accounting card: copies the card into its sheets QROk1 and
// QROk2 and, when a text or the co-executor list does not fit, into the
// continuation pages QRDop (abstract), QRDop1 (bibliographic description)
// and QROK3 (co-executors from the third on). Everything a run fills is
// reset first, so nothing of an earlier card survives in what it prints.
//
// Returns the notices in the order they arose: description, co-executors,
// abstract.
QStringList fillOkSheets(const OkEditorLogic &card, SheetSet &sheets);

// The sheets of a run in print order: QROk1, QROk2, then QRDop, QRDop1 and
// QROK3 when their markers on QROk2 were set by the filling.
void addOkReports(CompositeReport &report, const SheetSet &sheets);
