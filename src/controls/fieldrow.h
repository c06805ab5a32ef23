#pragma once

// The controls folder: the data controls a card is typed into (masked edit,
// line edit, combo box, memo, ...), what shapes their text, the catalogue row
// that describes a control, and the program's fonts. Uses dialogs and cardfile.

#include <QList>
#include <QString>
#include <QStringList>

// One row of a card's field catalogue: what control to create on a page,
// under which name, with which label, mask, limits, items, initial text and
// hint. The editor frame builds its pages from these rows; the card code then
// finds the controls by name and connects their checks.
enum class FieldKind {
    Edit,       // single line
    MaskedEdit, // single line on an edit mask
    Memo,       // several lines, Enter does not break a line
    ScrollMemo, // the same with a vertical scroll bar
    Combo,      // editable text with a drop-down list of items
    RadioGroup, // items in columns (three unless said), caption on the frame
    CheckBox,
    SpinBox, // a number box stepped by its arrows; typing into it is off
    Button,
    Heading, // a caption spanning the page width, no control
};

enum FieldFlag : unsigned {
    NoFlags = 0,
    Changed = 1 << 0,   // a key released here runs the shared changed handler
    TrimOnKey = 1 << 1, // after every key the text loses leading and trailing blanks
    Hidden = 1 << 2,    // created but never shown
    SameRow = 1 << 3,   // placed to the right of the previous row's control
    Tall = 1 << 4,      // a memo that takes the height its page leaves free
};

struct FieldSpec
{
    QString name{}; // member name and objectName
    FieldKind kind = FieldKind::Edit;
    QString label{};     // label beside the control; caption of a button, radio group or heading
    QString labelName{}; // objectName of the label when the program changes it later ("Label30")
    QString mask{};      // masked edits: the mask as written, e.g. "99.99.99;1;_"
    int maxLength = 0;   // 0: no limit
    QStringList items{}; // combo and radio group items
    QString text{};      // initial text (radio group: initial item index; check box: "1" checked)
    QString hint{};      // hint lines separated by "\n\r"
    unsigned flags = NoFlags;
    int minimum = 0; // spin boxes: the range
    int maximum = 0;
    int columns = 3; // radio groups: columns of items
};

struct PageSpec
{
    QString name{};    // objectName of the page ("TabSheet1")
    QString caption{}; // tab caption
    QList<FieldSpec> fields{};
};
