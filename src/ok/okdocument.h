#pragma once

#include "ok/okeditorlogic.h"

#include "cardfile/cardreader.h"
#include "cardfile/fileresult.h"
#include "editing/carddocument.h"
#include "editing/cataloguecontrols.h"

// The accounting card without a window: its controls held as values and the
// editor's own logic over them.
class OkDocument : public CardDocument
{
public:
    OkDocument();

    CardKind cardKind() const override { return CardKind::OK; }
    bool read(const QString &path) override;
    QStringList writeCard() override { return linesOf(m_logic); }
    std::shared_ptr<const PreparedReport> printedPages() override;
    QList<FieldFailure> checkFields() const override { return m_logic.checkFields(); }

    // How opening a file fills a card, in the window and here alike: the
    // card is emptied, dated today, read from the loaded `file` and shows its
    // Ukrainian texts and first co-executor. The outcome is the caller's
    // to tell.
    static cardfile::FileResult readInto(OkEditorLogic &card, const cardfile::LoadedCard &file);
    // The card's lines in file order, as saving writes them.
    static QStringList linesOf(OkEditorLogic &card);

private:
    CatalogueControls m_controls;
    OkEditorLogic m_logic;
};
