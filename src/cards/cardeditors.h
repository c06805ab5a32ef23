#pragma once

// The cards folder: the editors of every card kind (rk, ok, okd), registered
// together for the program and the tests. Uses the card folders and frame.

// Registers the editor of every card kind this build of the program has, so
// that the main window and the command line can make them.
void registerCardEditors();
