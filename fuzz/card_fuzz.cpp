// A libFuzzer target for one card kind's reading and writing: every input is
// opened in the card's editor and saved, and the saved card opened and saved
// again. A crash, a sanitizer report or a second save that differs from the
// first is a finding. Built once per card kind (OVRIDA_FUZZ_KIND).
#include "app/editorregistry.h"
#include "cards/cardeditors.h"
#include "cards/support/roundtrip.h"

#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
CardRoundTrip *roundTrip = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    Q_UNUSED(argc);
    new QApplication(qtArgc, qtArgv); // lives as long as the fuzzer
    registerCardEditors();
    roundTrip = new CardRoundTrip(CardKind::OVRIDA_FUZZ_KIND);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray card(reinterpret_cast<const char *>(data), qsizetype(size));
    if (roundTrip->check(card) == CardRoundTrip::Outcome::Unstable) {
        const QString difference =
            roundTrip->secondSave().isEmpty()
                ? QStringLiteral("the saved card does not open and save")
                : firstDifference(roundTrip->firstSave(), roundTrip->secondSave());
        std::fprintf(stderr, "unstable card: %s\n", qPrintable(difference));
        std::abort();
    }
    return 0;
}
