#pragma once

#include "okd/okdcard.h"

#include "editing/cardcontrols.h"

#include "cardfile/cardreader.h"
#include "cardfile/piece.h"

#include <QHash>
#include <QString>

// Applies the lines of a dissertation card file to a card, one pass of the
// reading loop at a time. One reader serves one file.
struct OkdPersonRow;

class OkdCardReader
{
public:
    OkdCardReader(CardControls &controls, OkdValues &values);

    // The reading loop's parameters for dissertation card files.
    static const cardfile::CardFormat &format();

    // The line handler: applies the joined title or abstract, then the line
    // in hand. Returns a message when the reading has to stop.
    QString apply(const cardfile::CardLine &pass);

private:
    using Handler = QString (OkdCardReader::*)(const QString &code, const cardfile::Pieces &line);
    static const QHash<QString, Handler> &handlers();

    QString applyOne(const QString &code, const QString &text);

    QString plainField(const QString &code, const cardfile::Pieces &line);
    QString letter(const QString &code, const cardfile::Pieces &line);
    QString registration(const QString &code, const cardfile::Pieces &line);
    QString chair(const QString &code, const cardfile::Pieces &line);
    QString applicant(const QString &code, const cardfile::Pieces &line);
    QString postgraduate(const QString &code, const cardfile::Pieces &line);
    QString speciality(const QString &code, const cardfile::Pieces &line);
    QString rubric(const QString &code, const cardfile::Pieces &line);
    QString titleOrAbstract(const QString &code, const cardfile::Pieces &line);
    QString organisation(const QString &code, const cardfile::Pieces &line);
    QString supervisor(const QString &code, const cardfile::Pieces &line);
    QString opponent(const QString &code, const cardfile::Pieces &line);
    // A supervisor's or opponent's degree, title and two codes, from the
    // pieces starting at `from`.
    void putDegreeTitleCodes(const OkdPersonRow &controls, const cardfile::Pieces &line, int from);

    // Each line of `code` takes the next of `boxes`, a blank value too, so
    // that every value comes back into the box it was written from; lines
    // beyond the last box are ignored.
    void fillNext(const QString &code, const QStringList &boxes, const QString &text);

    CardControls &m_controls;
    OkdValues &m_values;
    QHash<QString, int> m_boxesTaken; // by code
};
