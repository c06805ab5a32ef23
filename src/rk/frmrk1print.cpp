// "Друк" of the registration card window: the preview and the PDF file of
// the pages the card's filling prepares.
#include "rk/frmrk1.h"

CompositeReport &TfrmRK1::QRCompositeReport1()
{
    return m_printing.report();
}

void TfrmRK1::N8Click()
{
    m_printing.preview(pdfNameFor(cardKind(), cardFile()));
}

void TfrmRK1::printCard()
{
    N8Click();
}

bool TfrmRK1::printToPdf(const QString &path)
{
    return m_printing.printToPdf(path);
}
