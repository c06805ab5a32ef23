#pragma once

#include <QStringList>

#include <functional>

class QWidget;

// Card files dropped anywhere on `window` (also on its fields, which would
// otherwise take a file's name as text) are handed to `open`, in the order
// they were dragged. Other drops are left to the widgets as before.
void acceptCardDrops(QWidget *window, std::function<void(const QStringList &paths)> open);

// What an editor does with dropped files: the first is "Відкрити..." of that
// editor (with its unsaved-changes question), the others open in new editors.
void acceptCardDropsOnEditor(QWidget *editor);
