#pragma once

class CardEditor;

// The question asked before an editor whose card has unsaved changes is left.
// As long as the card is unsaved: Yes saves ("Записати як...") and asks again
// when the save did not happen, No abandons the changes (clears the flag),
// Cancel stops. Returns false when the user cancelled; the editor is then left
// exactly as it was.
bool settleUnsavedChanges(CardEditor &editor);
