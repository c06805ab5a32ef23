#pragma once

#include "ok/okeditorlogic.h"

#include "cardfile/cardreader.h"
#include "cardfile/piece.h"

#include <QHash>
#include <QString>

// Applies the lines of a card file to an accounting card, one pass of the
// reading loop at a time. Lines of a registration card file whose codes the
// accounting card has fill the same fields; the others are ignored. One
// reader serves one file.
class OkCardReader
{
public:
    explicit OkCardReader(OkEditorLogic &card);

    // The reading loop's parameters for accounting card files.
    static const cardfile::CardFormat &format();

    // The line handler: applies the joined multi-line field, then the line
    // in hand. Returns a message when the reading has to stop.
    QString apply(const cardfile::CardLine &pass);

private:
    using Handler = QString (OkCardReader::*)(const QString &code, const cardfile::Pieces &line);

    static const QHash<QString, Handler> &handlers();

    QString applyOne(const QString &code, const QString &text);

    QString fields(const QString &code, const cardfile::Pieces &line);
    QString partyKind(const QString &code, const cardfile::Pieces &line);
    QString languageLine(const QString &code, const cardfile::Pieces &line);
    QString positionList(const QString &code, const cardfile::Pieces &line);
    QString stage(const QString &code, const cardfile::Pieces &line);
    QString coexecutor(const QString &code, const cardfile::Pieces &line);
    QString rubric(const QString &code, const cardfile::Pieces &line);

    OkEditorLogic &m_card;
    CardControls &m_controls;
};
