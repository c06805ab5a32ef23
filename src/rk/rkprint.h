#pragma once

#include <QStringList>

class CompositeReport;
class RkEditorLogic;
class SheetSet;

// "Друк" of the registration card: copies the card into the five RK sheets
// (QRRk1, QRRk2 and the continuation pages QRRKDop for stages 5 to 15,
// QRRKDopZ for customers 2 to 5 and QRRKDopS for co-executors 4 to 20).
// Everything a run fills is reset first, so nothing of an earlier card
// survives in the sheets this card prints.
//
// Returns the continuation notices in the order they arose, each at most
// once; the caller shows them before the preview opens.
QStringList fillRkSheets(const RkEditorLogic &card, SheetSet &sheets);

// The sheets of a run in print order: page 1, page 2, then each continuation
// page whose marker the filling set (stages, customers, co-executors).
void addRkReports(CompositeReport &report, const SheetSet &sheets);
