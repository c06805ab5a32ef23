#pragma once

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

// Several texts spread over a chain of boxes of limited room (counted in
// characters), as a long abstract runs on from a card's sheet over the
// columns of its continuation pages.
//
// The texts are taken in turn; each starts as a new line in the first box
// with room left. A text longer than the room of its box is cut after the
// last blank within that room (at the room itself when there is none): the
// head fills the box and the tail goes on to the next box in the same way.
// What is left when the last box is full is not placed.
struct BoxedTexts
{
    std::vector<QStringList> boxes; // the lines of each box, in chain order
    bool cutOff = false;            // some text did not fit the chain

    // Whether any of the boxes from `first` on received a line.
    bool usesBoxesFrom(size_t first) const;
};

BoxedTexts spreadOverBoxes(const QStringList &texts, std::span<const qsizetype> rooms);
