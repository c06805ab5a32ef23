#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <functional>

class QKeyEvent;
class QTabWidget;
class QWidget;

// The "exit" and "enter" events of an editor window's controls.
//
// One guard watches the focus of one window. A move from control A to
// control B runs A's exit handler first; if that handler sends the focus
// somewhere (back to A, or on), B was never entered: B's enter handler does
// not run and the redirect runs no exit handler of B. Otherwise B's enter
// handler runs (it may redirect too). Handlers of a container (a page) run
// when the focus leaves or enters it from outside, the inner ones first on
// the way out and the outer ones first on the way in.
//
// Only moves between two controls of the window count: the focus going to a
// drop-down list, a message box or another window, and coming back to the
// same control, is not a move. A control that gets the focus while it sits on
// a page that is not shown brings its page forward.
//
// A click on a guarded widget (a button, a radio item, a page tab bar) first
// moves the focus there, which runs the exit handler of the field being left;
// when that handler keeps the focus, the click does not happen.
//
// A click is not lost on the way when a handler only sends the cursor on:
// when the exit handler of the field left puts the cursor into another field
// (the next one by its rule), or the click enters a page (or another
// container) whose enter handler sends the cursor to its starting field, the
// handlers run, and then the focus moves on from where they put it to the
// control clicked, as a second click would, and the click does what it says.
// Only an exit handler keeping the focus, or the clicked control's own enter
// handler sending it away, stops the click.
//
// Focus moves count while the window is shown; moveFocus() and showPage()
// run the handlers also for a window that is not.
class FocusGuard : public QObject
{
public:
    using Handler = std::function<void()>;

    explicit FocusGuard(QWidget *window);

    void onExit(QWidget *control, Handler handler);
    void onEnter(QWidget *control, Handler handler);
    // Makes mouse clicks and accelerator keys on `clickable` leave the current
    // field first. It then takes the focus only this way (or by Tab).
    void guardClicks(QWidget *clickable);
    // Makes `pages` turn, by a click on a tab or by Ctrl+Tab and
    // Ctrl+Shift+Tab, only after the current field was left; when that field
    // keeps the focus, the page stays.
    void guardPages(QTabWidget *pages);

    // Moves the focus to `target` as a click would, running the handlers of
    // the move at once; returns whether the focus arrived there.
    bool moveFocus(QWidget *target);
    // Shows another page of `pages` after leaving the field on the current
    // page; returns false (and stays) when that field keeps the focus.
    bool showPage(QTabWidget *pages, int index);
    // Puts the cursor into `control` without running any handler, as for a
    // card that starts anew: the field that had the cursor belongs to the
    // card before and is never left, also when the window gets the focus
    // back from a dialog only later.
    void placeCursor(QWidget *control);

    // The control the guard last saw with the focus.
    QWidget *current() const { return m_current; }
    // Stops all handling, e.g. while the window is being torn down.
    void setEnabled(bool enabled) { m_enabled = enabled; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Handlers
    {
        Handler exit;
        Handler enter;
    };
    // Why a move ended somewhere else than at its target.
    enum class Detour {
        None,
        Refused,   // an exit handler kept the focus, or the target's own
                   // enter handler sent it away
        Onward,    // an exit handler sent the cursor on to another control
        EntryRule, // the enter handler of a container of the target
    };

    void focusChanged(QWidget *old, QWidget *now);
    Detour processMove(QWidget *from, QWidget *to);
    QWidget *runHandlers(const QList<QWidget *> &widgets, bool exits, QPointer<QWidget> &target,
                         QSet<QWidget *> &done);
    bool moveFocus(QWidget *target, bool retry);
    // Ctrl+Tab or Ctrl+Shift+Tab on `pages`: the next enabled page shown
    // through showPage(). False for any other key.
    bool turnPage(QTabWidget *pages, const QKeyEvent &key);
    void awaitClick(QWidget *widget);
    void watchPress(QWidget *widget, bool watch);
    bool clickArrived(QWidget *widget);
    QList<QWidget *> exitChain(QWidget *from, QWidget *to) const;
    QList<QWidget *> enterChain(QWidget *from, QWidget *to) const;
    bool belongs(const QWidget *widget) const;
    QWidget *focusNow() const;
    void settleLater();
    void revealLater(QWidget *widget);
    void forget(QObject *widget);

    QWidget *m_window;
    QPointer<QWidget> m_current;
    QHash<const QObject *, Handlers> m_handlers;
    QSet<QObject *> m_guarded;
    QSet<QObject *> m_swallowRelease;
    QSet<QObject *> m_pageControls;
    // A control that a click gave the focus to, sent elsewhere by an entry
    // rule; the click's press, still to come, moves the focus there again.
    QPointer<QWidget> m_clickAwaited;
    bool m_busy = false;
    bool m_enabled = true;
    bool m_settlePending = false;
};
