#pragma once

#include "frame/pagebuilder.h"

class FocusGuard;
class InputGate;

// Connects each control of a built page to its editor: fields marked
// Changed to the editor's changed handler, every other data field to the
// unsaved-changes flag alone, fields marked TrimOnKey to
// trimming, and buttons and radio items so that a click first leaves the
// field being edited.
FieldWiring editorWiring(InputGate &gate, FocusGuard &guard);
