#include "okd/okddocument.h"

#include "okd/okdcardreader.h"
#include "okd/okdcatalogue.h"
#include "okd/okdfilelines.h"
#include "okd/okdprint.h"

#include "cardfile/cardreader.h"
#include "dialogs/dialogs.h"
#include "editing/printedsheets.h"
#include "frame/cardfilecommands.h"

using namespace Qt::StringLiterals;

OkdDocument::OkdDocument() : m_controls(okdPages()), m_logic(m_controls) {}

cardfile::FileResult OkdDocument::readInto(OkdEditorLogic &card, const cardfile::LoadedCard &file)
{
    card.clearCard();
    card.controls().setText(u"DREG"_s, cardfilecommands::readingDate());
    OkdCardReader reader(card.controls(), card.values());
    const cardfile::FileResult read = cardfile::readLoadedCard(
        file, OkdCardReader::format(),
        [&reader](const cardfile::CardLine &pass) { return reader.apply(pass); });
    card.showAfterReading();
    return read;
}

QStringList OkdDocument::linesOf(OkdEditorLogic &card)
{
    // Leaving the box would have put the list's first item in.
    static const QStringList kinds = {u"04"_s, u"05"_s};
    if (!kinds.contains(card.controls().text(u"cb5013"_s)))
        card.controls().setText(u"cb5013"_s, kinds.first());
    return okdCardLines(card.controls(), card.values());
}

QStringList OkdDocument::fillSheets(OkdEditorLogic &card, SheetSet &sheets, int &contSheets)
{
    card.controls().setText(u"mmtext"_s, QString());
    const OkdPrintRun run = fillOkdSheets(card.controls(), card.values(), sheets);
    contSheets = run.contSheets;
    return run.notices;
}

bool OkdDocument::read(const QString &path)
{
    return cardfilecommands::openCard(
        path, [this](const cardfile::LoadedCard &file) { return readInto(m_logic, file); });
}

std::shared_ptr<const PreparedReport> OkdDocument::printedPages()
{
    return prepareSheets(
        [this](SheetSet &sheets) { return fillSheets(m_logic, sheets, m_contSheets); },
        [this](CompositeReport &report, const SheetSet &sheets) {
            addOkdReports(report, sheets, m_contSheets);
        });
}
