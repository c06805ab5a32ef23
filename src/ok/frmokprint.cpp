// "Друк" of the accounting card window: the preview and the PDF file of the
// pages the card's filling prepares.
#include "ok/frmok.h"

CompositeReport &TfrmOK::QRCompositeReport1()
{
    return m_printing.report();
}

void TfrmOK::N8Click()
{
    m_printing.preview(pdfNameFor(cardKind(), cardFile()));
}

void TfrmOK::printCard()
{
    N8Click();
}

bool TfrmOK::printToPdf(const QString &path)
{
    return m_printing.printToPdf(path);
}
