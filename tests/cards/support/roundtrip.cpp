#include "roundtrip.h"
#include "settledsave.h"

#include "cardfile/cardwriter.h"
#include "editing/carddocument.h"
#include "frame/cardeditor.h"
#include "frame/editorregistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QWidget>

namespace {

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

CardRoundTrip::CardRoundTrip(CardKind kind)
    : m_sink(std::fopen("/dev/null", "w"), &std::fclose), m_console(m_sink.get()),
      m_previous(setDialogs(&m_console)), m_window(createEditor(kind)),
      m_editor(cardEditorOf(m_window.get())), m_document(createDocument(kind))
{}

CardRoundTrip::~CardRoundTrip()
{
    m_window.reset();
    setDialogs(m_previous);
}

// Opens `from` as "Відкрити..." does and writes the card's file to `to` as
// "Записати як..." would lay it out (without waiting for the disk).
bool CardRoundTrip::openAndSave(const QString &from, const QString &to, QByteArray &saved)
{
    m_console.setOpenPath(from);
    if (!m_editor->open())
        return false;
    const cardfile::EncodedCard encoded = cardfile::encodeCard(m_editor->writeCard());
    if (!encoded.ok())
        return false;
    saved = encoded.bytes;
    put(to, saved);
    return true;
}

CardRoundTrip::Outcome CardRoundTrip::check(const QByteArray &card)
{
    // Windows closed on the way are deleted here, as the event loop would.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_first.clear();
    m_second.clear();
    const QString input = m_folder.filePath(QStringLiteral("card.txt"));
    const QString first = m_folder.filePath(QStringLiteral("first.txt"));
    put(input, card);
    const bool read = openAndSave(input, first, m_first);
    if (!readsAsTheWindow(input, read))
        return Outcome::WindowlessDiffers;
    if (!read)
        return Outcome::Stopped;
    const auto resave = [this, &first](const QByteArray &save) -> std::optional<QByteArray> {
        put(first, save);
        QByteArray again;
        if (!openAndSave(first, m_folder.filePath(QStringLiteral("again.txt")), again))
            return std::nullopt;
        return again;
    };
    std::optional<QByteArray> settled = settledSave(m_first, resave);
    if (!settled)
        return Outcome::Unstable;
    m_first = std::move(*settled);
    put(first, m_first);
    if (!openAndSave(first, m_folder.filePath(QStringLiteral("second.txt")), m_second))
        return Outcome::Unstable;
    return m_second == m_first ? Outcome::Stable : Outcome::Unstable;
}

// The document stops where the window stopped, and otherwise writes the
// bytes the window wrote.
bool CardRoundTrip::readsAsTheWindow(const QString &card, bool windowRead)
{
    m_windowless.clear();
    if (!m_document)
        return true;
    if (!m_document->read(card))
        return !windowRead;
    const cardfile::EncodedCard encoded = cardfile::encodeCard(m_document->writeCard());
    if (encoded.ok())
        m_windowless = encoded.bytes;
    return windowRead ? m_windowless == m_first : !encoded.ok();
}

QString firstDifference(const QByteArray &first, const QByteArray &second)
{
    const QList<QByteArray> a = first.split('\n');
    const QList<QByteArray> b = second.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (a.value(i) != b.value(i))
            return QStringLiteral("line %1: «%2» then «%3»")
                .arg(i + 1)
                .arg(QString::fromLatin1(a.value(i).toPercentEncoding(" \\")),
                     QString::fromLatin1(b.value(i).toPercentEncoding(" \\")));
    }
    return {};
}
