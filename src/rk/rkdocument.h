#pragma once

#include "rk/rkeditorlogic.h"

#include "cardfile/cardreader.h"
#include "cardfile/fileresult.h"
#include "editing/carddocument.h"
#include "editing/cataloguecontrols.h"

// The registration card without a window: its controls held as values and
// the editor's own logic over them.
class RkDocument : public CardDocument
{
public:
    RkDocument();

    CardKind cardKind() const override { return CardKind::RK; }
    bool read(const QString &path) override;
    QStringList writeCard() override;
    std::shared_ptr<const PreparedReport> printedPages() override;
    QList<FieldFailure> checkFields() const override { return m_logic.checkFields(); }

    // How opening a file fills a card, in the window and here alike: the
    // card is emptied, dated today and read from the loaded `file`. The reading's
    // outcome is for the caller to tell.
    static cardfile::FileResult readInto(RkEditorLogic &card, const cardfile::LoadedCard &file);

private:
    CatalogueControls m_controls;
    RkEditorLogic m_logic;
};
