#include "okd/organisationblocks.h"

using namespace Qt::StringLiterals;

namespace {

using Box = OrganisationBlocks::Box;

bool isOrganisationBox(Box box)
{
    return box == Box::Code || box == Box::Name || box == Box::City || box == Box::Address;
}

} // namespace

QString OrganisationBlocks::controlOf(Box box)
{
    switch (box) {
    case Box::Council:
        return u"ed7452"_s;
    case Box::Ministry:
        return u"ed1334"_s;
    case Box::Code:
        return u"edCod"_s;
    case Box::Name:
        return u"edNaz"_s;
    case Box::City:
        return u"edMis"_s;
    case Box::Address:
        return u"edAdr"_s;
    case Box::Phone:
        return u"edTel"_s;
    }
    return {};
}

std::optional<Box> OrganisationBlocks::boxOf(const QString &control)
{
    for (const Box box : boxes) {
        if (controlOf(box) == control)
            return box;
    }
    return std::nullopt;
}

bool OrganisationBlocks::stores(int block, Box box)
{
    if (block < 0 || block >= blockCount)
        return false;
    switch (box) {
    case Box::Council:
        return block == 0;
    case Box::Ministry:
        return block == 1;
    case Box::Phone:
        return true;
    default:
        return block >= 1;
    }
}

std::optional<Box> OrganisationBlocks::steerOnEnter(int block, Box box)
{
    if (box == Box::Council && block != 0)
        return block == 1 ? Box::Ministry : Box::Code;
    if (box == Box::Ministry && block != 1)
        return block == 0 ? Box::Council : Box::Code;
    return std::nullopt;
}

std::optional<Box> OrganisationBlocks::steerOnClick(int block, Box box)
{
    if (block == 0 && isOrganisationBox(box))
        return Box::Council;
    return steerOnEnter(block, box);
}

std::optional<Box> OrganisationBlocks::afterLeaving(int block, Box box)
{
    if (block == 0 && box == Box::Council)
        return Box::Phone;
    return std::nullopt;
}

QString OrganisationBlocks::shown(int block, Box box) const
{
    if (block < 0 || block >= blockCount)
        return {};
    if (box == Box::Council)
        return block <= 1 ? councilCode : QString();
    if (box == Box::Ministry)
        return block == 1 ? ministryName : QString();
    if (box != Box::Phone && block == 0)
        return {};
    return records.at(block).*memberOf(box);
}

QString OrganisationBlocks::typedValue(const QString &text)
{
    // The masked boxes read back a blank for every position left open: an
    // untouched code or telephone is all blanks, a city is followed by the
    // positions it did not fill. What the clerk typed is the text without them.
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.first(end);
}

void OrganisationBlocks::store(int block, Box box, const QString &typed)
{
    if (!stores(block, box))
        return;
    const QString text = typedValue(typed);
    if (box == Box::Council)
        councilCode = text;
    else if (box == Box::Ministry)
        ministryName = text;
    else
        records.at(block).*memberOf(box) = text;
}

void OrganisationBlocks::clear()
{
    councilCode.clear();
    ministryName.clear();
    records.fill({});
}

QString OrganisationBlocks::Record::*OrganisationBlocks::memberOf(Box box)
{
    switch (box) {
    case Box::Code:
        return &Record::code;
    case Box::Name:
        return &Record::name;
    case Box::City:
        return &Record::city;
    case Box::Address:
        return &Record::address;
    default:
        return &Record::phone;
    }
}
