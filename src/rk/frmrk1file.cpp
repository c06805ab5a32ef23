// Saving and opening the registration card's files.
#include "rk/frmrk1.h"

#include "rk/rkdocument.h"
#include "rk/rkfilelines.h"

#include "cardfile/piece.h"
#include "controls/controltext.h"
#include "dialogs/dialogs.h"
#include "frame/cardfilecommands.h"
#include "frame/editorwindow.h"

#include <QFileInfo>
#include <QTabWidget>

using namespace Qt::StringLiterals;

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
    return cardfilecommands::openCard(path, [this](const cardfile::LoadedCard &file) {
        openedName = QFileInfo(file.path).absoluteFilePath();
        setCardFile(openedName);
        setWindowTitle(u"Реєстраційна картка - "_s + openedName);
        // The card is emptied in sight before reading, so that a warning shown
        // during the reading stands over an empty card, not over half the last one.
        m_logic.clearCard();
        showCardStart(PageControl, focusGuard());
        controls().holdEditTexts();
        const cardfile::FileResult read = RkDocument::readInto(m_logic, file);
        controls().releaseEditTexts();
        return read;
    });
}
