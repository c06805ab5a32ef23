#include "app/dialogs.h"

#include <QtGlobal>

namespace {
Dialogs *&installed()
{
    static Dialogs *service = nullptr;
    return service;
}
} // namespace

Dialogs &dialogs()
{
    if (!installed())
        qFatal("No dialogs service is installed");
    return *installed();
}

Dialogs *setDialogs(Dialogs *service)
{
    Dialogs *previous = installed();
    installed() = service;
    return previous;
}
