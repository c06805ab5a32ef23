// Saving and opening the registration card's files.
#include "rk/frmrk1.h"

#include "rk/rkcardreader.h"
#include "rk/rkfilelines.h"

#include "app/controltext.h"
#include "app/dialogs.h"
#include "app/editorcommands.h"
#include "cardfile/piece.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {
const QString kDefaultName = u"RK"_s;
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
    return saveCardAs(*this, saveName, kDefaultName, [this] { return writeCard(); });
}

bool TfrmRK1::open()
{
    const QString path = chooseCardToOpen(*this);
    return !path.isEmpty() && readCard(path);
}

bool TfrmRK1::readCard(const QString &path)
{
    clearCard();
    const QFileInfo file(path);
    openedName = file.absoluteFilePath();
    const QString bareName = file.fileName();
    if (bareName.startsWith(u"ok"_s) || bareName.startsWith(u"OK"_s))
        dialogs().inform(kAccountingCardWarning + bareName);
    setWindowTitle(u"Реєстраційна картка - "_s + openedName);
    setText(u"DREG"_s, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));

    controls().holdEditTexts();
    RkCardReader reader(m_logic);
    const cardfile::FileResult read = cardfile::readCardFile(
        path, RkCardReader::format(),
        [&reader](const cardfile::CardLine &pass) { return reader.apply(pass); });
    reader.finish();
    controls().releaseEditTexts();

    PageControl->setCurrentIndex(0);
    if (!read.ok)
        dialogs().inform(read.error);
    return read.ok;
}
