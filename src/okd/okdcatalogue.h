#pragma once

#include "controls/fieldrow.h"

#include <QList>
#include <QString>
#include <QStringList>

// The dissertation card's pages and every control on them, in page order and,
// within a page, in tab order. A control without a hint of its own has the
// hint "Допомоги немає".
const QList<PageSpec> &okdPages();

// The 48 academic degrees, the items of every degree box.
const QStringList &okdDegrees();

// Fonts that differ from the window's: a control (or a whole page) in bold
// and/or in a point size of its own (0: the window's size).
struct OkdFont
{
    QString name;
    bool bold = false;
    int points = 0;
};
const QList<OkdFont> &okdFonts();

// Sizes of the controls whose size is fixed (the two memos).
struct OkdFixedSize
{
    QString name;
    int width;
    int height;
};
const QList<OkdFixedSize> &okdFixedSizes();

// Names used by the window's rules.
namespace okdnames {
// The coded combo boxes: a choice from their list marks the card changed.
const QStringList &codedBoxes();
// The combo boxes held to their list when left (the degree box of the chair
// is held on every change instead).
const QStringList &listCheckedBoxes();
// The six subject code boxes in file order.
const QStringList &rubricBoxes();
} // namespace okdnames
