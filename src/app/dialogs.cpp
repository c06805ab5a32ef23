#include "app/dialogs.h"

#include "app/consoledialogs.h"

namespace {
Dialogs *installed = nullptr;

// Used while nothing is installed: texts go to the error stream, questions
// are answered Cancel and file dialogs are cancelled, so nothing is ever
// written or thrown away by accident.
Dialogs &fallback()
{
    static ConsoleDialogs console;
    return console;
}
} // namespace

Dialogs &dialogs()
{
    return installed ? *installed : fallback();
}

Dialogs *setDialogs(Dialogs *service)
{
    Dialogs *previous = installed;
    installed = service;
    return previous;
}
