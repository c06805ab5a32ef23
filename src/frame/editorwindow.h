#pragma once

#include <QList>
#include <QSize>

class FocusGuard;
class QMainWindow;
class QTabWidget;
class QPushButton;
class QString;
class QWidget;

// The text of a card editor: MS Sans Serif 11 pixels. Set before the window
// gets its controls, so that they are made with it instead of being told of
// a change one by one.
void setEditorFont(QWidget *window);

// The window of a card editor: only the close box in the title bar, freed
// when it closes, sized and centred on the screen when it is first shown.
// It then gets `clientSize` below its menu, fixed, when every page fits into
// that size. Where the fonts at hand make the pages need more, it gets the
// size they need (within the screen) and can be made bigger, its controls
// growing in width. Its page controls show all their tabs, never arrows.
void prepareEditorWindow(QMainWindow *window, QSize clientSize);

// The red "&Кінець введення" button, 121 x 25, with the ignore glyph.
QPushButton *makeEndOfInputButton(QWidget *parent, const QString &name);

// A 75 x 25 page step button with its arrow ("Вперед" forward, "Назад" back).
QPushButton *makeStepButton(QWidget *parent, const QString &name, bool forward);

// Lays out the bottom panel of an editor, `height` pixels high: "Кінець
// введення" at the left end, "Назад" and "Вперед" at the right.
void layOutEditorPanel(QWidget *panel, int height, QPushButton *endInput, QPushButton *back,
                       QPushButton *forward);

// Tab from the last field of `page` goes on to the panel's buttons in the
// order given.
void chainPanelAfterPage(QWidget *page, const QList<QPushButton *> &buttons);

// Gives the focus to the first control of `page` that takes it by Tab (the
// field the cursor starts in when the window opens).
void focusFirstField(QWidget *page);
// The first control of `page` that takes the focus by Tab, if any.
QWidget *firstField(QWidget *page);

// Shows the first page of `pages` with the cursor in its first field, as a
// fresh card starts; done when a card file is read in place of the card
// shown, so no check of the field that had the cursor runs on the new card.
void showCardStart(QTabWidget *pages, FocusGuard &guard);
