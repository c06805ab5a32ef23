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
    // An editable box that is left showing an item other than its current
    // one reports that item as picked (as if the clerk had chosen it). The
    // item the program puts in becomes the current one, so that leaving the
    // box later changes nothing on the card.
    const int item = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (item >= 0 && item != currentIndex())
        setCurrentIndex(item);
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
