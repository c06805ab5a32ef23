// Saving and opening the registration card's files.
#include "rk/frmrk1.h"

#include "rk/rkcardreader.h"
#include "rk/rkfilelines.h"

#include "app/cardfilecommands.h"
#include "app/controltext.h"
#include "app/dialogs.h"
#include "cardfile/piece.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {
const QString kAccountingCardWarning = u"Зверніть увагу Ви відкрили облікову картку !    "_s;
} // namespace

QStringList TfrmRK1::writeCard()
{
    const QStringList lines = rkCardLines(m_logic);
    for (const QString &line : lines) {
        if (cardfile::piece(line, 1) == u"2457"_s)
            execKindNo = cardfile::piece(line, 2);
    }
    return lines;
}

bool TfrmRK1::saveAs()
{
    if (!cardfilecommands::saveAs(*this, saveName, defaultCardName(cardKind()),
                                  [this] { return writeCard(); }))
        return false;
    setCardFile(saveName);
    return true;
}

bool TfrmRK1::open()
{
    const std::optional<QString> path = cardfilecommands::chooseFileToOpen(*this);
    return path && !path->isEmpty() && readCard(*path);
}

bool TfrmRK1::readCard(const QString &path)
{
    clearCard();
    const QFileInfo file(path);
    openedName = file.absoluteFilePath();
    setCardFile(openedName);
    const QString bareName = file.fileName();
    if (bareName.startsWith(u"ok"_s) || bareName.startsWith(u"OK"_s))
        dialogs().inform(kAccountingCardWarning + bareName);
    setWindowTitle(u"Реєстраційна картка - "_s + openedName);
    controls().setText(u"DREG"_s, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));

    controls().holdEditTexts();
    RkCardReader reader(m_logic);
    const cardfile::FileResult read = cardfile::readCardFile(
        path, RkCardReader::format(),
        [&reader](const cardfile::CardLine &pass) { return reader.apply(pass); });
    reader.finish();
    controls().releaseEditTexts();

    PageControl->setCurrentIndex(0);
    return tellReadingOutcome(read);
}
