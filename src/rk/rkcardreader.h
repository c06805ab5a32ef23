#pragma once

#include "rk/rkcarddata.h"

#include "cardfile/cardreader.h"
#include "cardfile/piece.h"

#include <QHash>
#include <QString>

// Applies the lines of a registration card file to a card, one pass of the
// reading loop at a time. One reader serves one file.
class RkCardReader
{
public:
    explicit RkCardReader(RkCardData &card);

    // The reading loop's parameters for registration card files.
    static const cardfile::CardFormat &format();

    // The line handler: applies the joined multi-line field, then the line
    // in hand. Returns a message when the reading has to stop.
    QString apply(const cardfile::CardLine &pass);

    // After the last line: the three-language fields show their Ukrainian
    // texts (each language line would turn its selector back to Ukrainian;
    // doing it once at the end leaves the same window).
    void finish();

    // Lines read so far of the finance rows and of the rubric codes.
    int financeLinesRead() const { return m_financeLinesRead; }
    int rubricLinesRead() const { return m_rubricLinesRead; }

private:
    using Handler = QString (RkCardReader::*)(const QString &code, const cardfile::Pieces &line);

    static const QHash<QString, Handler> &handlers();

    QString applyOne(const QString &code, const QString &text);

    QString plainField(const QString &code, const cardfile::Pieces &line);
    QString twoFields(const QString &code, const cardfile::Pieces &line);
    QString executorKind(const QString &code, const cardfile::Pieces &line);
    QString languageLine(const QString &code, const cardfile::Pieces &line);
    QString executorCity(const QString &code, const cardfile::Pieces &line);
    QString executorAddress(const QString &code, const cardfile::Pieces &line);
    QString customer(const QString &code, const cardfile::Pieces &line);
    QString customerName(const QString &code, const cardfile::Pieces &line);
    QString customerAddress(const QString &code, const cardfile::Pieces &line);
    QString coexecutor(const QString &code, const cardfile::Pieces &line);
    QString stage(const QString &code, const cardfile::Pieces &line);
    QString rubric(const QString &code, const cardfile::Pieces &line);
    QString financeRow(const QString &code, const cardfile::Pieces &line);

    void storeCustomer();

    RkCardData &m_card;
    int m_financeLinesRead = 0;
    int m_rubricLinesRead = 0;
    bool m_cityLineRead = false;
    int m_customer = 0;           // number of the customer last read
    QString m_customerKindNumber; // its kind number as the file gave it
};
