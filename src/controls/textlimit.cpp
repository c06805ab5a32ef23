#include "controls/textlimit.h"

#include <QLineEdit>
#include <QVariant>

namespace textlimit {
namespace {

const char *const kProperty = "ovridaInputLimit";
constexpr int kNoLimit = 32767; // the line edit's own default

int effective(int limit)
{
    return limit > 0 ? limit : kNoLimit;
}

} // namespace

void setLimit(QLineEdit *edit, int limit)
{
    const bool first = !edit->property(kProperty).isValid();
    edit->setProperty(kProperty, limit);
    edit->setMaxLength(qMax(effective(limit), int(edit->text().size())));
    if (!first)
        return;
    // A long text put in by the program widens the limit; once the user has
    // shortened it to the limit, the limit holds again.
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] {
        const int wanted = effective(textlimit::limit(edit));
        if (edit->maxLength() > wanted && edit->text().size() <= wanted) {
            const int cursor = edit->cursorPosition();
            edit->setMaxLength(wanted);
            edit->setCursorPosition(cursor);
        }
    });
}

int limit(const QLineEdit *edit)
{
    return edit->property(kProperty).toInt();
}

void setText(QLineEdit *edit, const QString &text)
{
    if (text.size() > edit->maxLength())
        edit->setMaxLength(int(text.size()));
    edit->setText(text);
}

} // namespace textlimit
