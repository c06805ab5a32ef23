#pragma once

#include "cardfile/cardreader.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Card files for tests, written as the bytes a file holds.
namespace cardtest {

// `text` in code page 1251, every "\n" written as CR LF.
QByteArray cardBytes(const QString &text);

// The three cards' reading options.
cardfile::CardFormat rkFormat();
cardfile::CardFormat okFormat();
cardfile::CardFormat okdFormat();

// A line handler that records what an editor would apply, in file order:
// the joined field of a pass first, then the line in hand.
struct AppliedLine
{
    QString code;
    QString text;
    bool operator==(const AppliedLine &) const = default;
};

class Recorder
{
public:
    QList<AppliedLine> applied;
    int passes = 0;
    // Stops the reading with this message when a line with this code comes.
    QString stopCode;
    QString stopMessage;

    cardfile::LineHandler handler();
};

} // namespace cardtest
