#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The fields of the registration card that must hold one of a fixed list of
// codes, tested when the field is left.
struct RkCodeList
{
    enum class Empty {
        Refused,
        Accepted,
        // Accepted, and the rest of the section is skipped: focus goes to
        // `skipTo`.
        AcceptedSkipping,
        // Accepted only while no customer number has been entered yet.
        RefusedOnceCustomerEntered,
    };

    QString control;
    QStringList accepted;
    Empty empty = Empty::Refused;
    QString message;
    QString skipTo = {};
};

const QList<RkCodeList> &rkCodeLists();
// The list tested on leaving `control`, or nullptr.
const RkCodeList *rkCodeList(const QString &control);

// Source codes a finance row may carry in the card file, in the order a row
// is tested against them.
const QStringList &rkFinanceCodes();
