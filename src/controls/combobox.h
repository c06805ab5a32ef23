#pragma once

#include <QComboBox>

// An editable data field with a drop-down list of items. The user may type
// any text; the list only offers some. It refuses what a card file cannot
// carry, and its maximum length limits only what the user types.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent = nullptr);

    QString text() const { return currentText(); }
    // Puts `text` into the field whole, whether it is an item or not; an
    // item equal to it becomes the current item.
    void setText(const QString &text);

    void setInputLimit(int limit);
    int inputLimit() const;

    // Position of the item equal to `text` regardless of letter case, or -1.
    int indexOfText(const QString &text) const;
    bool hasItem(const QString &text) const { return indexOfText(text) >= 0; }
};
