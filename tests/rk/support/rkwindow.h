#pragma once

#include "app/support/cardwindow.h"

class TfrmRK1;

// A registration card window driven as the clerk drives it.
class RkWindow : public CardWindow
{
public:
    RkWindow();

    // Null once the window has closed (it frees itself).
    TfrmRK1 *window() const;

    // Fills the fields whose empty text is refused, so that the cursor can
    // pass them.
    void fillRequiredCodes();

    // "Записати як..." to a file in a temporary folder; its bytes.
    QByteArray save() { return saveWith(QStringLiteral("N6")); }
    // "Відкрити..." of `bytes` stored under `fileName` in a temporary folder.
    void open(const QByteArray &bytes, const QString &fileName = QStringLiteral("card.txt"))
    {
        openWith(QStringLiteral("N4"), bytes, fileName);
    }
};
