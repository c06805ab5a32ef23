#pragma once

#include <QStringList>

class OkEditorLogic;

// The accounting card's lines in file order, without line ends.
QStringList okCardLines(const OkEditorLogic &card);

// The six rubric boxes in file order.
const QStringList &okRubricBoxes();
