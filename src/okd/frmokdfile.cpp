// Saving and opening the dissertation card's files.
#include "okd/frmokd.h"

#include "okd/okddocument.h"

#include "dialogs/dialogs.h"
#include "frame/cardfilecommands.h"
#include "frame/editorwindow.h"

#include <QFileInfo>
#include <QTabWidget>

using namespace Qt::StringLiterals;

QStringList TpfrmOkd::writeCard()
{
    return OkdDocument::linesOf(m_logic);
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
    return cardfilecommands::openCard(path, [this](const cardfile::LoadedCard &file) {
        m_cardFile = QFileInfo(file.path).absoluteFilePath();
        setWindowTitle(u"Облікова картка дисертації - "_s + file.path);
        showCardStart(pc1, *m_guard);
        m_controls.holdEditTexts();
        const cardfile::FileResult read = OkdDocument::readInto(m_logic, file);
        m_controls.releaseEditTexts();
        return read;
    });
}
