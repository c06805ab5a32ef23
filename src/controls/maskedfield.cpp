#include "controls/maskedfield.h"

#include "controls/maskededit.h"

namespace maskedfield {

QWidget *create(const QString &mask, int maxLength, QWidget *parent)
{
    auto *edit = new MaskedEdit(mask, parent);
    if (mask.isEmpty() && maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

bool isMasked(const QWidget *control)
{
    return qobject_cast<const MaskedEdit *>(control);
}

QString text(const QWidget *control)
{
    return static_cast<const MaskedEdit *>(control)->text();
}

void setText(QWidget *control, const QString &text)
{
    static_cast<MaskedEdit *>(control)->setText(text);
}

void clear(QWidget *control)
{
    static_cast<MaskedEdit *>(control)->clear();
}

QString editMaskOf(const QWidget *control)
{
    return static_cast<const MaskedEdit *>(control)->editMask();
}

void setMask(QWidget *control, const QString &mask)
{
    static_cast<MaskedEdit *>(control)->setEditMask(mask);
}

} // namespace maskedfield
