#include "controls/combobox.h"

#include "controls/inputfilter.h"
#include "controls/textlimit.h"

#include <QLineEdit>

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    inputfilter::install(this);
}

void ComboBox::setText(const QString &text)
{
    textlimit::setText(lineEdit(), text);
}

void ComboBox::setInputLimit(int limit)
{
    textlimit::setLimit(lineEdit(), limit);
}

int ComboBox::inputLimit() const
{
    return textlimit::limit(lineEdit());
}

int ComboBox::indexOfText(const QString &text) const
{
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
