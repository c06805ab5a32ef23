#pragma once

#include <QLineEdit>

// A single-line data field. It refuses what a card file cannot carry, and
// its maximum length limits only what the user types.
class LineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit LineEdit(QWidget *parent = nullptr);

    // Limit of what the user may type; 0 means none.
    void setInputLimit(int limit);
    int inputLimit() const;
    // Puts `text` into the field whole (QLineEdit::setText would cut it to
    // the maximum length).
    void setText(const QString &text);
};

// Lets a box take typing, or shows it read-only: its text on the window's
// background, left out of the Tab chain and never given the cursor by a click.
void setTakesTyping(QLineEdit *box, bool takes);
