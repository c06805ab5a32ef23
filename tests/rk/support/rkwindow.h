#pragma once

#include "support/cardwindow.h"

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
};
