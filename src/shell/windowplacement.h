#pragma once

class QWidget;

// Moves a top-level window so that it stands in the middle of the available
// area of its screen (of the primary screen before it is first shown).
void centreOnScreen(QWidget *window);
