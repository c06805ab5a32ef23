#include "controls/lineedit.h"

#include <QApplication>

#include "controls/inputfilter.h"
#include "controls/textlimit.h"

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

void setTakesTyping(QLineEdit *box, bool takes)
{
    box->setReadOnly(!takes);
    box->setFocusPolicy(takes ? Qt::StrongFocus : Qt::NoFocus);
    QPalette palette = box->palette();
    const QPalette standard = QApplication::palette(box);
    palette.setColor(QPalette::Base, standard.color(takes ? QPalette::Base : QPalette::Window));
    box->setPalette(palette);
}
