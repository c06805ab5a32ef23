#pragma once

#include <QString>

#include <array>
#include <optional>

// The five organisation blocks of the dissertation card, edited one at a
// time in one set of boxes: 0 the specialised academic council, 1 the
// organisation in whose council the defence took place, 2 the organisation
// where the dissertation was carried out, 3 the one where the applicant
// works, 4 the leading organisation.
//
// Block 0 uses the council code and the telephone; block 1 shows the council
// code (not editable) and adds the ministry, the code, name, city, address
// and telephone; blocks 2 to 4 use code, name, city, address and telephone.
// A box a block does not use takes no typing while that block is shown.
class OrganisationBlocks
{
public:
    enum class Box { Council, Ministry, Code, Name, City, Address, Phone };
    static constexpr int blockCount = 5;
    static constexpr std::array<Box, 7> boxes = {Box::Council, Box::Ministry, Box::Code, Box::Name,
                                                 Box::City,    Box::Address,  Box::Phone};

    // The control of a box ("ed7452", "ed1334", "edCod", ...) and back.
    static QString controlOf(Box box);
    static std::optional<Box> boxOf(const QString &control);

    // Whether leaving `box` stores its text for `block`; exactly these boxes
    // take typing while the block is shown.
    static bool stores(int block, Box box);

    // Where the cursor goes instead when it enters `box` (by the keyboard or
    // the mouse), or when the box is clicked; nothing when it stays.
    static std::optional<Box> steerOnEnter(int block, Box box);
    static std::optional<Box> steerOnClick(int block, Box box);
    // Where the cursor goes after `box` was left, when not to the next box.
    static std::optional<Box> afterLeaving(int block, Box box);

    // What `box` shows while `block` is chosen (empty for a box the block
    // does not show).
    QString shown(int block, Box box) const;
    // Keeps the text of `box` for `block`, when the box stores for it, as
    // the clerk typed it: without the blanks that its mask shows after it.
    void store(int block, Box box, const QString &text);
    static QString typedValue(const QString &text);

    // The stored values as the card file has them.
    QString councilCode;
    QString ministryName;
    struct Record
    {
        QString code, name, city, address, phone;
    };
    // Block 0 keeps only its telephone.
    std::array<Record, blockCount> records{};

    void clear();

private:
    // The value of a record that a code, name, city, address or telephone box holds.
    static QString Record::*memberOf(Box box);
};
