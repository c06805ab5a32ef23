#include "frame/help.h"

namespace {
std::function<void()> &opener()
{
    static std::function<void()> installed;
    return installed;
}
} // namespace

void setHelpOpener(std::function<void()> newOpener)
{
    opener() = std::move(newOpener);
}

void openHelp()
{
    if (opener())
        opener()();
}
