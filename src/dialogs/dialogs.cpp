#include "dialogs/dialogs.h"

namespace {
// Stands in while no service is installed: shows nothing, answers Cancel and
// cancels file dialogs, so that nothing is written or thrown away by accident.
class SilentDialogs final : public Dialogs
{
public:
    void inform(const QString &) override {}
    Answer ask(const QString &, const QString &) override { return Answer::Cancel; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(const QString &) override { return {}; }
    void beep() override {}
};

Dialogs *installed = nullptr;
} // namespace

Dialogs &dialogs()
{
    static SilentDialogs silent;
    return installed ? *installed : silent;
}

Dialogs *setDialogs(Dialogs *service)
{
    Dialogs *previous = installed;
    installed = service;
    return previous;
}

void Dialogs::informFailure(const QString &text)
{
    inform(text);
}

void Dialogs::informReadingStopped(const QString &reason)
{
    inform(reason + QStringLiteral(" Те, що прочитано до цього рядка, залишилося в картці."));
}

bool tellReadingOutcome(const cardfile::FileResult &result)
{
    if (!result.notice.isEmpty())
        dialogs().inform(result.notice);
    if (result.ok)
        return true;
    if (result.stopped)
        dialogs().informReadingStopped(result.error);
    else
        dialogs().informFailure(result.error);
    return false;
}
