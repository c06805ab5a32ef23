#include "rk/rkdocument.h"

#include "rk/rkcardreader.h"
#include "rk/rkcatalogue.h"
#include "rk/rkfilelines.h"
#include "rk/rkprint.h"

#include "dialogs/dialogs.h"
#include "editing/printedsheets.h"
#include "frame/cardfilecommands.h"

using namespace Qt::StringLiterals;

RkDocument::RkDocument() : m_controls(rkPages()), m_logic(m_controls) {}

cardfile::FileResult RkDocument::readInto(RkEditorLogic &card, const cardfile::LoadedCard &file)
{
    card.clearCard();
    cardfilecommands::warnOfOtherKind(file.path, u"ok"_s,
                                      u"Зверніть увагу Ви відкрили облікову картку !    "_s);
    card.setFieldText(u"DREG"_s, cardfilecommands::readingDate());

    RkCardReader reader(card);
    const cardfile::FileResult read = cardfile::readLoadedCard(
        file, RkCardReader::format(),
        [&reader](const cardfile::CardLine &pass) { return reader.apply(pass); });
    reader.finish();
    // The first finance code never keeps blanks around it.
    card.setFieldText(u"fin"_s, card.fieldText(u"fin"_s).trimmed());
    return read;
}

bool RkDocument::read(const QString &path)
{
    return cardfilecommands::openCard(
        path, [this](const cardfile::LoadedCard &file) { return readInto(m_logic, file); });
}

QStringList RkDocument::writeCard()
{
    return rkCardLines(m_logic);
}

std::shared_ptr<const PreparedReport> RkDocument::printedPages()
{
    return prepareSheets([this](SheetSet &sheets) { return fillRkSheets(m_logic, sheets); },
                         addRkReports);
}
