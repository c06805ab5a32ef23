#pragma once

#include "support/cardwindow.h"

class TpfrmOkd;

// A dissertation card window driven as the clerk drives it. Its menu items
// have names of their own.
class OkdWindow : public CardWindow
{
public:
    OkdWindow();

    // Null once the window has closed (it frees itself).
    TpfrmOkd *window() const;

    // "Записати як ..." to a file in a temporary folder; its bytes.
    QByteArray save() { return saveWith(QStringLiteral("SaveAs1")); }
    // "Відкрити..." of `bytes` stored under `fileName` in a temporary folder.
    void open(const QByteArray &bytes, const QString &fileName = QStringLiteral("card.txt"))
    {
        openWith(QStringLiteral("Open1"), bytes, fileName);
    }
};
