#pragma once

#include <QString>

class QWidget;

// Reading and setting the text of any data control the same way, so that
// shared code (clearing a card, trimming, building pages) need not know
// which kind of control a field is.
//
// Text set here is never cut by a maximum length. A memo's text has "\r\n"
// line breaks; a masked edit's is its read-back form; a check box's is "1"
// when it is ticked and "0" when not. A single-line field
// never takes a line break or another control character: each becomes a
// blank.
QString textOf(const QWidget *control);
void setTextOf(QWidget *control, const QString &text);

// Replaces the text by itself without leading and trailing blanks, keeping
// the cursor on the same character. Returns whether the text changed.
// Masked edits are left alone: their read-back form has a blank in every
// empty position by design, and they begin typing at the first open position
// by themselves.
bool trimTextOf(QWidget *control);

// Clears every data control under `root` in creation order: a masked edit
// gets an empty text (it shows its mask's blanks), an edit or a memo is
// emptied, a combo box gets its first item as text. Number boxes, radio
// groups and check boxes keep their state.
void clearControls(QWidget *root);
