#pragma once

#include "okd/okdeditorlogic.h"

#include "cardfile/cardreader.h"
#include "cardfile/fileresult.h"
#include "editing/carddocument.h"
#include "editing/cataloguecontrols.h"

class SheetSet;

// The dissertation card without a window: its controls held as values and
// the editor's own logic over them.
class OkdDocument : public CardDocument
{
public:
    OkdDocument();

    CardKind cardKind() const override { return CardKind::OKD; }
    bool read(const QString &path) override;
    QStringList writeCard() override { return linesOf(m_logic); }
    std::shared_ptr<const PreparedReport> printedPages() override;
    QList<FieldFailure> checkFields() const override { return m_logic.checkFields(); }

    // How opening a file fills a card, in the window and here alike: the
    // card is emptied, dated today, read from the loaded `file` and shows the first
    // item of every radio group. The outcome is the caller's to tell.
    static cardfile::FileResult readInto(OkdEditorLogic &card, const cardfile::LoadedCard &file);
    // The card's lines in file order, as saving writes them. A dissertation
    // kind outside its list is written (and shown) as the list's first.
    static QStringList linesOf(OkdEditorLogic &card);
    // Fills the sheets as "Друк..." does and returns the run's notices;
    // `contSheets` takes how many continuation pages the run formed.
    static QStringList fillSheets(OkdEditorLogic &card, SheetSet &sheets, int &contSheets);

private:
    CatalogueControls m_controls;
    OkdEditorLogic m_logic;
    int m_contSheets = 0;
};
