#pragma once

// Registers the editor of every card kind this build of the program has, so
// that the main window and the command line can make them.
void registerCardEditors();
