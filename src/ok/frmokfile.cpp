// Saving and opening the accounting card's files.
#include "ok/frmok.h"

#include "ok/okcardreader.h"
#include "ok/okfilelines.h"

#include "app/cardfilecommands.h"
#include "app/dialogs.h"
#include "cardfile/cardreader.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {
const QString kRegistrationCardWarning = u"Зверніть увагу Ви відкрили реєстраційну картку !    "_s;
const QStringList kCardKinds = {u"03"_s, u"02"_s};
} // namespace

QStringList TfrmOK::writeCard()
{
    // A card kind outside the list (an opened registration card's "01") is
    // written as leaving the box would have set it.
    CardControls &fields = m_logic.controls();
    if (!kCardKinds.contains(fields.text(u"cb5013"_s)))
        fields.selectItem(u"cb5013"_s, 0);
    return okCardLines(m_logic);
}

bool TfrmOK::saveAs()
{
    if (!cardfilecommands::saveAs(*this, saveName, defaultCardName(cardKind()),
                                  [this] { return writeCard(); }))
        return false;
    setCardFile(saveName);
    return true;
}

bool TfrmOK::open()
{
    const std::optional<QString> path = cardfilecommands::chooseFileToOpen(*this);
    if (!path)
        return false;
    if (path->isEmpty()) {
        showAfterReading();
        return false;
    }
    return readCard(*path);
}

bool TfrmOK::readCard(const QString &path)
{
    compNil();
    const QFileInfo file(path);
    const QString bareName = file.fileName();
    if (bareName.startsWith(u"rk"_s) || bareName.startsWith(u"RK"_s))
        dialogs().inform(kRegistrationCardWarning + bareName);
    setWindowTitle(u"Облікова картка - "_s + file.absoluteFilePath());
    setCardFile(file.absoluteFilePath());
    controls().setText(u"DREG"_s, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));

    controls().holdEditTexts();
    OkCardReader reader(m_logic);
    const cardfile::FileResult read = cardfile::readCardFile(
        path, OkCardReader::format(),
        [&reader](const cardfile::CardLine &pass) { return reader.apply(pass); });
    controls().releaseEditTexts();

    showAfterReading();
    return tellReadingOutcome(read);
}
