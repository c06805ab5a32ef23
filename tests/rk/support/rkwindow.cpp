#include "rk/support/rkwindow.h"

#include "rk/frmrk1.h"

RkWindow::RkWindow()
{
    adopt(new TfrmRK1);
}

TfrmRK1 *RkWindow::window() const
{
    return static_cast<TfrmRK1 *>(widget());
}

void RkWindow::fillRequiredCodes()
{
    fill(QStringLiteral("ed7146"), QStringLiteral("07"));
    fill(QStringLiteral("ed7191"), QStringLiteral("39"));
    fill(QStringLiteral("ed9036v"), QStringLiteral("91"));
    fill(QStringLiteral("fin"), QStringLiteral("7713"));
    fill(QStringLiteral("ed1"), QStringLiteral("дол."));
    fill(QStringLiteral("ed2"), QStringLiteral("дол."));
}
