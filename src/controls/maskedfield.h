#pragma once

#include <QString>

class QWidget;

// Masked fields as the shared code sees them: created, read and cleared
// through these functions, which hold them as MaskedEdit (its text functions
// hide QLineEdit's, so a QLineEdit pointer would read the wrong text).
namespace maskedfield {

// A masked edit on `mask`, written as given ("99.99.99;1;_"), or a field
// without a mask when `mask` is empty; `maxLength` limits typing in a field
// without a mask (0: no limit).
QWidget *create(const QString &mask, int maxLength, QWidget *parent = nullptr);
bool isMasked(const QWidget *control);
// The read-back text: a blank in every empty position, literals kept.
QString text(const QWidget *control);
void setText(QWidget *control, const QString &text);
// Empties the field; it then shows its mask's blanks.
void clear(QWidget *control);
// The mask as written; empty for a field without a mask.
QString editMaskOf(const QWidget *control);
// Changes the mask while the program runs (the 8- and 10-digit codes of a
// person kind); what the field holds is placed into the new mask as far as it
// fits.
void setMask(QWidget *control, const QString &mask);

} // namespace maskedfield
