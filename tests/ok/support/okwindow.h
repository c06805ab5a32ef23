#pragma once

#include "support/cardwindow.h"

class TfrmOK;

// An accounting card window driven as the clerk drives it.
class OkWindow : public CardWindow
{
public:
    OkWindow();

    // Null once the window has closed (it frees itself).
    TfrmOK *window() const;
};
