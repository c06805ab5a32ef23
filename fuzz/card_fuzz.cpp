// A libFuzzer target for one card kind: every input is read by the card's
// windowless document, the same read, write, print and check the command line
// uses, without building a window. The card it holds is written, read again
// and written again (a save the reader takes for UTF-8 is followed as
// settledSave says). A crash, a sanitizer report, a saved card that does not
// read back, or a second save that differs from the first is a finding. Built
// once per card kind (OVRIDA_FUZZ_KIND).
#include "cardfile/cardwriter.h"
#include "cards/cardeditors.h"
#include "cards/support/settledsave.h"
#include "dialogs/consoledialogs.h"
#include "dialogs/dialogs.h"
#include "editing/carddocument.h"
#include "frame/editorregistry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The cards go through files, as on the command line; a folder in memory
// keeps the disk out of the cost of an input.
QString scratchFolder()
{
    const QString memory = QStringLiteral("/dev/shm");
    const QFileInfo info(memory);
    return (info.isDir() && info.isWritable() ? memory : QDir::tempPath()) +
           QStringLiteral("/card-fuzz-XXXXXX");
}

struct Harness
{
    QTemporaryDir folder{scratchFolder()};
    std::FILE *sink = std::fopen("/dev/null", "w");
    ConsoleDialogs console{sink};
    std::unique_ptr<CardDocument> document = createDocument(CardKind::OVRIDA_FUZZ_KIND);
    QString input = folder.filePath(QStringLiteral("card.txt"));
    QString saved = folder.filePath(QStringLiteral("saved.txt"));
};

Harness *harness = nullptr;

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size())
        std::abort();
}

[[noreturn]] void finding(const char *what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    Q_UNUSED(argc);
    new QApplication(qtArgc, qtArgv); // lives as long as the fuzzer
    registerCardEditors();
    harness = new Harness;
    setDialogs(&harness->console);
    if (!harness->document)
        finding("the build has no document of this card kind");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Harness &h = *harness;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    put(h.input, bytes);
    if (!h.document->read(h.input))
        return 0; // refused or stopped, with a message
    h.document->checkFields();
    // Printing lays out every sheet (without painting them into a PDF); one
    // input in sixteen keeps it covered without costing the speed of the rest.
    // The choice follows the input, so that an input covers the same code
    // each time it runs.
    if (qHash(bytes) % 16 == 0)
        h.document->printedPages();
    const cardfile::EncodedCard first = cardfile::encodeCard(h.document->writeCard());
    if (!first.ok())
        return 0; // refused with a message: nothing would be written
    // A saved card that is the input itself reads back as the input did.
    if (first.bytes == bytes)
        return 0;
    const auto resave = [&h](const QByteArray &save) -> std::optional<QByteArray> {
        put(h.saved, save);
        if (!h.document->read(h.saved))
            return std::nullopt;
        cardfile::EncodedCard again = cardfile::encodeCard(h.document->writeCard());
        return again.ok() ? std::optional(std::move(again.bytes)) : std::nullopt;
    };
    const std::optional<QByteArray> saved = settledSave(first.bytes, resave);
    if (!saved)
        finding("a saved card taken for UTF-8 does not save again");
    const std::optional<QByteArray> second = resave(*saved);
    if (!second)
        finding("the saved card does not read back");
    if (*second != *saved)
        finding("the second save differs from the first");
    return 0;
}
