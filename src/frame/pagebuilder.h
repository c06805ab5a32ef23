#pragma once

#include "controls/fieldrow.h"

#include <QScrollArea>
#include <functional>

class QLabel;

// A page of a card editor: its controls sit in a grid. The page asks for
// the room they need, so that the window opens big enough to show them all;
// only on a screen too small for that it scrolls, and then the control with
// the focus is always scrolled into view.
class CardPage : public QScrollArea
{
    Q_OBJECT
public:
    explicit CardPage(QWidget *parent = nullptr);
    QWidget *content() const { return widget(); }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

private:
    void focusChanged(QWidget *old, QWidget *now);
};

// Called for every control a page gets, to connect it to its editor.
using FieldWiring = std::function<void(QWidget *control, const FieldSpec &field)>;

// Builds a page from its catalogue rows: each control is named after its
// row (objectName), gets its label on its left, its mask or maximum length,
// items, initial text and hint (lines separated by "\n\r" shown as lines);
// rows marked SameRow continue the previous row to the right; hidden rows are
// created but not shown. The page's objectName is the page name. A page
// built under the widget that is to hold it (the page control) takes that
// widget's font from the start: the controls are not told of a new font
// one by one when the page is put in place.
CardPage *buildPage(const PageSpec &layout, const FieldWiring &wiring = {},
                    QWidget *parent = nullptr);

// The label built for `control`, or null.
QLabel *labelOf(const QWidget *control);

// A hint as written in a catalogue ("\n\r" between lines) as it is shown.
QString hintText(const QString &hint);
