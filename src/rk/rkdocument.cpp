#include "rk/rkdocument.h"

#include "rk/rkcardreader.h"
#include "rk/rkcatalogue.h"
#include "rk/rkfilelines.h"
#include "rk/rkprint.h"

#include "app/cardprinting.h"
#include "app/dialogs.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

RkDocument::RkDocument() : m_controls(rkPages()), m_logic(m_controls) {}

cardfile::FileResult RkDocument::readInto(RkEditorLogic &card, const QString &path)
{
    card.clearCard();
    const QString bareName = QFileInfo(path).fileName();
    if (bareName.startsWith(u"ok"_s) || bareName.startsWith(u"OK"_s))
        dialogs().inform(u"Зверніть увагу Ви відкрили облікову картку !    "_s + bareName);
    card.setFieldText(u"DREG"_s, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));

    RkCardReader reader(card);
    const cardfile::FileResult read = cardfile::readCardFile(
        path, RkCardReader::format(),
        [&reader](const cardfile::CardLine &pass) { return reader.apply(pass); });
    reader.finish();
    // The first finance code never keeps blanks around it.
    card.setFieldText(u"fin"_s, card.fieldText(u"fin"_s).trimmed());
    return read;
}

bool RkDocument::read(const QString &path)
{
    return tellReadingOutcome(readInto(m_logic, path));
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
