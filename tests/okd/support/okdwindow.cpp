#include "okd/support/okdwindow.h"

#include "okd/frmokd.h"

OkdWindow::OkdWindow() : CardWindow([] { return new TpfrmOkd; }) {}

TpfrmOkd *OkdWindow::window() const
{
    return static_cast<TpfrmOkd *>(widget());
}
