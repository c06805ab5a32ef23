#pragma once

#include <functional>

// The help window is opened through a hook the program installs at start-up,
// so that the editors need not know the window.
void setHelpOpener(std::function<void()> opener);
// Opens a new help window (each call opens another one).
void openHelp();
