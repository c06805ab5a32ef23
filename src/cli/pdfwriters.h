#pragma once

#include "reports/preparedreport.h"

#include <QString>
#include <QThreadPool>

#include <deque>
#include <functional>
#include <future>
#include <memory>

// Writes the prepared pages of many cards to PDF files on worker threads,
// about as many at a time as the machine has cores, while the caller
// prepares the next cards. At most a few cards wait, so memory stays flat over a batch.
// Outcomes come back on the caller's thread in the order the cards were
// given.
class PdfWriters
{
public:
    struct Outcome
    {
        QString card;
        QString output;
        ExportResult result;
    };
    using Report = std::function<void(const Outcome &)>;

    explicit PdfWriters(Report report);
    // Waits for every file still being written.
    ~PdfWriters();
    PdfWriters(const PdfWriters &) = delete;
    PdfWriters &operator=(const PdfWriters &) = delete;

    // Writes `pages` of `card` to `output`; when too many cards wait, first
    // waits for the oldest and reports it.
    void write(const QString &card, std::shared_ptr<const PreparedReport> pages,
               const QString &output);
    // Waits for every file still being written and reports each.
    void finish();

private:
    struct Pending
    {
        QString card;
        QString output;
        std::future<ExportResult> written;
    };

    void reportOldest();

    Report m_report;
    QThreadPool m_pool;
    std::deque<Pending> m_pending;
    std::size_t m_mostWaiting;
};
