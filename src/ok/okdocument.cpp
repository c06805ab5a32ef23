#include "ok/okdocument.h"

#include "ok/okcardreader.h"
#include "ok/okcatalogue.h"
#include "ok/okfilelines.h"
#include "ok/okprint.h"

#include "cardfile/cardreader.h"
#include "dialogs/dialogs.h"
#include "editing/printedsheets.h"
#include "frame/cardfilecommands.h"

using namespace Qt::StringLiterals;

OkDocument::OkDocument() : m_controls(okPages()), m_logic(m_controls) {}

cardfile::FileResult OkDocument::readInto(OkEditorLogic &card, const cardfile::LoadedCard &file)
{
    card.clearCard();
    cardfilecommands::warnOfOtherKind(file.path, u"rk"_s,
                                      u"Зверніть увагу Ви відкрили реєстраційну картку !    "_s);
    card.controls().setText(u"DREG"_s, cardfilecommands::readingDate());

    OkCardReader reader(card);
    const cardfile::FileResult read = cardfile::readLoadedCard(
        file, OkCardReader::format(),
        [&reader](const cardfile::CardLine &pass) { return reader.apply(pass); });
    card.showAfterReading();
    return read;
}

QStringList OkDocument::linesOf(OkEditorLogic &card)
{
    // A card kind outside the list (an opened registration card's "01") is
    // written as leaving the box would have set it.
    static const QStringList kinds = {u"03"_s, u"02"_s};
    if (!kinds.contains(card.controls().text(u"cb5013"_s)))
        card.controls().selectItem(u"cb5013"_s, 0);
    return okCardLines(card);
}

bool OkDocument::read(const QString &path)
{
    return cardfilecommands::openCard(
        path, [this](const cardfile::LoadedCard &file) { return readInto(m_logic, file); });
}

std::shared_ptr<const PreparedReport> OkDocument::printedPages()
{
    return prepareSheets([this](SheetSet &sheets) { return fillOkSheets(m_logic, sheets); },
                         addOkReports);
}
