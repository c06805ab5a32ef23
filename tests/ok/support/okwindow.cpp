#include "ok/support/okwindow.h"

#include "ok/frmok.h"

OkWindow::OkWindow() : CardWindow([] { return new TfrmOK; }) {}

TfrmOK *OkWindow::window() const
{
    return static_cast<TfrmOK *>(widget());
}
