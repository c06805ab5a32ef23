// Saving and opening the accounting card's files.
#include "ok/frmok.h"

#include "ok/okdocument.h"

#include "cardfile/cardreader.h"
#include "dialogs/dialogs.h"
#include "frame/cardfilecommands.h"
#include "frame/editorwindow.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QStringList TfrmOK::writeCard()
{
    return OkDocument::linesOf(m_logic);
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
    return cardfilecommands::openCard(path, [this](const cardfile::LoadedCard &file) {
        menu().print->setEnabled(false);
        const QString absolutePath = QFileInfo(file.path).absoluteFilePath();
        setWindowTitle(u"Облікова картка - "_s + absolutePath);
        setCardFile(absolutePath);
        // The card is emptied in sight before reading, so that a warning shown
        // during the reading stands over an empty card, not over half the last one.
        m_logic.clearCard();
        showCardStart(PageControl, focusGuard());
        controls().holdEditTexts();
        const cardfile::FileResult read = OkDocument::readInto(m_logic, file);
        controls().releaseEditTexts();
        return read;
    });
}
