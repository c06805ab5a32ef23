#include "app/maskedfield.h"

#include "app/lineedit.h"

#include <QVariant>

// Until the masked edit control is part of the program, a masked field is a
// plain data field that knows its mask; the functions below are where the
// masked edit takes over.
namespace maskedfield {
namespace {
const char *const kMaskProperty = "ovridaEditMask";
}

QWidget *create(const QString &mask, int maxLength, QWidget *parent)
{
    auto *edit = new LineEdit(parent);
    edit->setProperty(kMaskProperty, mask);
    edit->setInputLimit(mask.isEmpty() ? maxLength : 0);
    return edit;
}

bool isMasked(const QWidget *control)
{
    return control && control->property(kMaskProperty).isValid();
}

QString text(const QWidget *control)
{
    return static_cast<const LineEdit *>(control)->text();
}

void setText(QWidget *control, const QString &text)
{
    static_cast<LineEdit *>(control)->setText(text);
}

void clear(QWidget *control)
{
    static_cast<LineEdit *>(control)->clear();
}

} // namespace maskedfield
