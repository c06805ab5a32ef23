#include "cli/pdfwriters.h"

#include <QThread>

PdfWriters::PdfWriters(Report report) : m_report(std::move(report))
{
    // One worker more than the cores: while one waits for the disk to take
    // its file, the others keep the cores busy.
    const int workers = std::max(1, QThread::idealThreadCount()) + 1;
    m_pool.setMaxThreadCount(workers);
    // The workers live as long as the batch: each keeps its fonts loaded.
    m_pool.setExpiryTimeout(-1);
    m_mostWaiting = std::size_t(workers) + 1;
}

PdfWriters::~PdfWriters()
{
    finish();
}

void PdfWriters::write(const QString &card, std::shared_ptr<const PreparedReport> pages,
                       const QString &output)
{
    if (m_pending.size() >= m_mostWaiting)
        reportOldest();
    auto written = std::make_shared<std::promise<ExportResult>>();
    m_pending.push_back({card, output, written->get_future()});
    m_pool.start([written, pages = std::move(pages), output] {
        written->set_value(pages->writePdf(output));
    });
}

void PdfWriters::finish()
{
    while (!m_pending.empty())
        reportOldest();
}

void PdfWriters::reportOldest()
{
    Pending oldest = std::move(m_pending.front());
    m_pending.pop_front();
    m_report({oldest.card, oldest.output, oldest.written.get()});
}
