#pragma once

#include "okd/okdcard.h"

#include "editing/cardcontrols.h"

#include <QList>
#include <QString>
#include <QStringList>

// The file codes of organisation blocks 1 to 4: code, name, city with
// address, telephone. (Block 0 keeps its council code in 7452, the ministry
// of block 1 is 1334 and the telephone of block 0 is 7461.)
struct OkdBlockCodes
{
    int block;
    QString code, name, place, phone;
};
const QList<OkdBlockCodes> &okdBlockCodes();
// The file code `box` of `block` is written under; empty for a box the
// block does not keep.
QString okdBlockFieldCode(int block, OrganisationBlocks::Box box);

// The supervisors' and opponents' rows: the controls of degree, academic
// title and the two speciality codes.
struct OkdPersonRow
{
    QString name, degree, title, code1, code2;
};
OkdPersonRow okdSupervisorRow(int supervisor); // 1..3 (the name is on the window only)
OkdPersonRow okdOpponentRow(int opponent);     // 1..4

// The card's lines in file order, without line ends.
QStringList okdCardLines(const CardControls &controls, const OkdValues &values);
