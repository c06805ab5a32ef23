#pragma once

class QLineEdit;
class QString;

// A maximum length limits what the user types into a line edit; text that
// the program puts there (from a card file, from a group entry) is never cut.
namespace textlimit {

// Limits typing in `edit` to `limit` characters (0: no limit).
void setLimit(QLineEdit *edit, int limit);
int limit(const QLineEdit *edit);
// Puts `text` into `edit` whole, however long.
void setText(QLineEdit *edit, const QString &text);

} // namespace textlimit
