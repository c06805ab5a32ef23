// Saving and opening the dissertation card's files.
#include "okd/frmokd.h"

#include "okd/okdcardreader.h"
#include "okd/okdfilelines.h"

#include "app/cardfilecommands.h"
#include "app/dialogs.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {
const QStringList kDissertationKinds = {u"04"_s, u"05"_s};
} // namespace

QStringList TpfrmOkd::writeCard()
{
    // Leaving the box would have put the list's first item in.
    if (!kDissertationKinds.contains(text(u"cb5013"_s)))
        setText(u"cb5013"_s, kDissertationKinds.first());
    return okdCardLines(*this, m_values);
}

bool TpfrmOkd::saveAs()
{
    if (!cardfilecommands::saveAs(*this, saveName, defaultCardName(cardKind()),
                                  [this] { return writeCard(); }))
        return false;
    m_cardFile = saveName;
    return true;
}

bool TpfrmOkd::open()
{
    const std::optional<QString> path = cardfilecommands::chooseFileToOpen(*this);
    return path && !path->isEmpty() && readCard(*path);
}

bool TpfrmOkd::readCard(const QString &path)
{
    compNil();
    m_cardFile = QFileInfo(path).absoluteFilePath();
    setWindowTitle(u"Облікова картка дисертації - "_s + path);
    setText(u"DREG"_s, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));

    m_controls.holdEditTexts();
    OkdCardReader reader(*this, m_values);
    const cardfile::FileResult read = cardfile::readCardFile(
        path, OkdCardReader::format(),
        [&reader](const cardfile::CardLine &pass) { return reader.apply(pass); });
    m_controls.releaseEditTexts();

    pc1->setCurrentIndex(0);
    for (const QString &group : {u"RadioGroup1"_s, u"RadioGroup2"_s, u"indjzd"_s, u"indjzk"_s})
        chooseItem(group, 0);
    return tellReadingOutcome(read);
}
