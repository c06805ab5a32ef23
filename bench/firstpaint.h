#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <QWidget>

// Shows `window` and runs the event loop until it has been painted once (or
// a generous time has passed). Returns whether the paint happened. A window
// covered by opaque children gets no paint event of its own, so the first
// paint of any widget in it counts; the whole paint pass runs in one go.
inline bool showAndWaitForFirstPaint(QWidget *window)
{
    struct PaintWatcher : QObject
    {
        QWidget *window = nullptr;
        QEventLoop loop;
        bool painted = false;
        bool eventFilter(QObject *object, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && !painted && object->isWidgetType() &&
                static_cast<QWidget *>(object)->window() == window) {
                painted = true;
                // Quit once this paint pass, the children included, is done.
                QTimer::singleShot(0, &loop, &QEventLoop::quit);
            }
            return false;
        }
    } watcher;
    watcher.window = window;
    QCoreApplication::instance()->installEventFilter(&watcher);
    QTimer::singleShot(10000, &watcher.loop, &QEventLoop::quit);
    window->show();
    if (!watcher.painted)
        watcher.loop.exec();
    QCoreApplication::instance()->removeEventFilter(&watcher);
    return watcher.painted;
}
