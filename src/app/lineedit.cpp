#include "app/lineedit.h"

#include "app/inputfilter.h"
#include "app/textlimit.h"

LineEdit::LineEdit(QWidget *parent) : QLineEdit(parent)
{
    inputfilter::install(this);
}

void LineEdit::setInputLimit(int limit)
{
    textlimit::setLimit(this, limit);
}

int LineEdit::inputLimit() const
{
    return textlimit::limit(this);
}

void LineEdit::setText(const QString &text)
{
    textlimit::setText(this, text);
}
