#pragma once

class QString;
class QWidget;

// Keeps out of the data fields what a card file cannot carry: "\" (the file's
// value separator) and characters that code page 1251 has no place for.
// One filter serves every data control; it refuses such text whether it is
// typed, pasted or dropped, and beeps through the dialogs service.
namespace inputfilter {

// Watches `control`: a line edit (masked or not), an editable combo box or a
// memo. The controls of this program install it themselves.
void install(QWidget *control);

// Whether `text` may go into a data field; beeps when it may not.
bool admits(const QString &text);

} // namespace inputfilter
