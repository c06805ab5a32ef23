#include "frame/focusguard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Whether `outer` is `inner` or holds it.
bool holds(const QWidget *outer, const QWidget *inner)
{
    return outer && inner && (outer == inner || outer->isAncestorOf(inner));
}

// Makes every page that holds `widget` the shown page of its page control.
void bringPagesForward(QWidget *widget)
{
    for (QWidget *w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        auto *stack = qobject_cast<QStackedWidget *>(w->parentWidget());
        if (!stack || stack->currentWidget() == w)
            continue;
        if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()))
            tabs->setCurrentWidget(w);
        else
            stack->setCurrentWidget(w);
    }
}

QWidget *focusEnd(QWidget *widget)
{
    while (widget && widget->focusProxy())
        widget = widget->focusProxy();
    return widget;
}

class BusyScope
{
public:
    explicit BusyScope(bool &flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~BusyScope() { m_flag = m_old; }

private:
    bool &m_flag;
    bool m_old;
};

// A chain of moves caused by handlers sending the focus back and forth ends
// here; a card never needs more.
constexpr int kMaxHandlersPerMove = 64;

} // namespace

FocusGuard::FocusGuard(QWidget *window) : QObject(window), m_window(window)
{
    connect(qApp, &QApplication::focusChanged, this, &FocusGuard::focusChanged);
}

void FocusGuard::onExit(QWidget *control, Handler handler)
{
    if (!m_handlers.contains(control))
        connect(control, &QObject::destroyed, this, &FocusGuard::forget);
    m_handlers[control].exit = std::move(handler);
}

void FocusGuard::onEnter(QWidget *control, Handler handler)
{
    if (!m_handlers.contains(control))
        connect(control, &QObject::destroyed, this, &FocusGuard::forget);
    m_handlers[control].enter = std::move(handler);
}

void FocusGuard::forget(QObject *widget)
{
    m_handlers.remove(widget);
    m_guarded.remove(widget);
    m_swallowRelease.remove(widget);
    m_pageControls.remove(widget);
}

void FocusGuard::guardClicks(QWidget *clickable)
{
    // The focus is given by the guard, before the click is delivered, so
    // that the exit handler of the field being left can refuse the click.
    if (clickable->focusPolicy() & Qt::ClickFocus)
        clickable->setFocusPolicy(Qt::TabFocus);
    clickable->installEventFilter(this);
    m_guarded.insert(clickable);
    connect(clickable, &QObject::destroyed, this, &FocusGuard::forget, Qt::UniqueConnection);
}

void FocusGuard::guardPages(QTabWidget *pages)
{
    guardClicks(pages->tabBar());
    pages->installEventFilter(this);
    m_pageControls.insert(pages);
    connect(pages, &QObject::destroyed, this, &FocusGuard::forget, Qt::UniqueConnection);
}

bool FocusGuard::turnPage(QTabWidget *pages, const QKeyEvent &key)
{
    // The keys the page control itself turns its pages with.
    if (!(key.modifiers() & Qt::ControlModifier) ||
        (key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab) || pages->count() < 2)
        return false;
    const int step = key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier) ? -1 : 1;
    int index = pages->currentIndex();
    for (int pass = 0; pass < pages->count(); ++pass) {
        index = (index + step + pages->count()) % pages->count();
        if (pages->isTabEnabled(index))
            break;
    }
    showPage(pages, index);
    return true;
}

bool FocusGuard::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !m_enabled)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        if (m_guarded.contains(widget) ? moveFocus(widget) : clickArrived(widget))
            return false;
        m_swallowRelease.insert(widget);
        return true;
    case QEvent::MouseButtonRelease:
        return m_swallowRelease.remove(widget);
    case QEvent::Shortcut:
        return m_guarded.contains(widget) && !moveFocus(widget);
    case QEvent::KeyPress:
        return m_pageControls.contains(widget) &&
               turnPage(static_cast<QTabWidget *>(widget), *static_cast<QKeyEvent *>(event));
    default:
        return false;
    }
}

bool FocusGuard::belongs(const QWidget *widget) const
{
    return widget && widget->window() == m_window;
}

QWidget *FocusGuard::focusNow() const
{
    return m_window->focusWidget();
}

bool FocusGuard::moveFocus(QWidget *target)
{
    return moveFocus(target, true);
}

bool FocusGuard::moveFocus(QWidget *target, bool retry)
{
    QWidget *end = focusEnd(target);
    auto arrived = [&] { return holds(target, focusNow()) || focusNow() == end; };
    if (arrived())
        return true;
    if (m_busy || !m_enabled) {
        target->setFocus(Qt::MouseFocusReason);
        return arrived();
    }
    QPointer<QWidget> from = m_current ? m_current.data() : focusNow();
    {
        BusyScope busy(m_busy);
        target->setFocus(Qt::MouseFocusReason);
    }
    Detour detour = Detour::None;
    if (from && focusNow() && focusNow() != from)
        detour = processMove(from, focusNow());
    else
        m_current = focusNow();
    // The rules have run; the cursor goes on to the target from where they
    // put it.
    if (!arrived() && (detour == Detour::EntryRule || detour == Detour::Onward) && retry)
        return moveFocus(target, false);
    return arrived();
}

void FocusGuard::awaitClick(QWidget *widget)
{
    if (m_guarded.contains(widget))
        return; // the guard moves the focus for its press itself
    m_clickAwaited = widget;
    // The press may go to a part of the control (the text of a combo box).
    watchPress(widget, true);
    // A move made by the keyboard has no press to follow; the press of a
    // click comes before anything queued now.
    QMetaObject::invokeMethod(
        this,
        [this, awaited = QPointer<QWidget>(widget)] {
            if (awaited && awaited == m_clickAwaited) {
                watchPress(awaited, false);
                m_clickAwaited = nullptr;
            }
        },
        Qt::QueuedConnection);
}

void FocusGuard::watchPress(QWidget *widget, bool watch)
{
    QList<QWidget *> parts = widget->findChildren<QWidget *>();
    parts.prepend(widget);
    for (QWidget *part : std::as_const(parts)) {
        if (m_guarded.contains(part))
            continue;
        if (watch)
            part->installEventFilter(this);
        else
            part->removeEventFilter(this);
    }
}

bool FocusGuard::clickArrived(QWidget *widget)
{
    QPointer<QWidget> awaited = m_clickAwaited;
    if (!holds(awaited, widget))
        return true;
    m_clickAwaited = nullptr;
    watchPress(awaited, false);
    return moveFocus(awaited, false);
}

bool FocusGuard::showPage(QTabWidget *pages, int index)
{
    if (index == pages->currentIndex())
        return true;
    QWidget *page = pages->currentWidget();
    if (page && holds(page, focusNow()) && !moveFocus(pages->tabBar()))
        return false;
    pages->setCurrentIndex(index);
    return true;
}

void FocusGuard::placeCursor(QWidget *control)
{
    {
        BusyScope busy(m_busy);
        control->setFocus(Qt::OtherFocusReason);
    }
    // The window's own focus widget: while a dialog is up it is the control
    // the focus comes back to.
    m_current = m_window->focusWidget() ? m_window->focusWidget() : control;
}

void FocusGuard::focusChanged(QWidget *old, QWidget *now)
{
    if (m_busy || !m_enabled || !m_window->isVisible())
        return;
    if (!belongs(now))
        return; // the focus left the window, or went to a drop-down list
    if (!m_current) {
        m_current = now;
        return;
    }
    if (now == m_current)
        return; // back from a message box, a drop-down list or another window
    if (belongs(old) && !old->isVisible()) {
        // The field's page is being hidden; the focus settles once the page
        // control has finished.
        settleLater();
        return;
    }
    QPointer<QWidget> target = now;
    const Detour detour = processMove(m_current, now);
    if ((detour == Detour::EntryRule || detour == Detour::Onward) && target &&
        !holds(target, focusNow()))
        awaitClick(target);
}

QList<QWidget *> FocusGuard::exitChain(QWidget *from, QWidget *to) const
{
    QList<QWidget *> chain;
    for (QWidget *w = from; w && w != m_window; w = w->parentWidget()) {
        auto it = m_handlers.constFind(w);
        if (it != m_handlers.constEnd() && it->exit && !holds(w, to))
            chain.append(w); // innermost first
    }
    return chain;
}

QList<QWidget *> FocusGuard::enterChain(QWidget *from, QWidget *to) const
{
    QList<QWidget *> chain;
    for (QWidget *w = to; w && w != m_window; w = w->parentWidget()) {
        auto it = m_handlers.constFind(w);
        if (it != m_handlers.constEnd() && it->enter && !holds(w, from))
            chain.prepend(w); // outermost first
    }
    return chain;
}

QWidget *FocusGuard::runHandlers(const QList<QWidget *> &widgets, bool exits,
                                 QPointer<QWidget> &target, QSet<QWidget *> &done)
{
    for (QWidget *w : widgets) {
        if (done.contains(w) || done.size() >= kMaxHandlersPerMove)
            continue;
        done.insert(w);
        const Handlers handlers = m_handlers.value(w);
        if (exits)
            handlers.exit();
        else
            handlers.enter();
        if (focusNow() != target) {
            target = focusNow();
            return w; // the handler sent the focus elsewhere
        }
    }
    return nullptr;
}

FocusGuard::Detour FocusGuard::processMove(QWidget *fromWidget, QWidget *to)
{
    BusyScope busy(m_busy);
    QPointer<QWidget> from = fromWidget;
    QPointer<QWidget> target = to;
    QSet<QWidget *> exited;
    QSet<QWidget *> entered;
    const QPointer<QWidget> original = to;
    Detour detour = Detour::None;
    while (target && exited.size() + entered.size() < kMaxHandlersPerMove) {
        if (QWidget *left = runHandlers(exitChain(from, target), true, target, exited)) {
            // Kept where it was, or sent on to another control.
            if (detour == Detour::None)
                detour = !target || holds(left, target) || holds(from, target) ? Detour::Refused
                                                                               : Detour::Onward;
            continue;
        }
        QWidget *redirected = runHandlers(enterChain(from, target), false, target, entered);
        if (!redirected)
            break;
        if (detour == Detour::None)
            detour = original && redirected != original && holds(redirected, original)
                         ? Detour::EntryRule
                         : Detour::Refused;
    }
    m_current = target;
    if (target && !target->isVisible())
        revealLater(target);
    return detour;
}

void FocusGuard::settleLater()
{
    if (m_settlePending)
        return;
    m_settlePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_settlePending = false;
            QWidget *now = focusNow();
            if (m_enabled && !m_busy && m_current && belongs(now) && now != m_current)
                processMove(m_current, now);
        },
        Qt::QueuedConnection);
}

void FocusGuard::revealLater(QWidget *widget)
{
    // Done once the page control that may be switching pages has finished.
    QPointer<QWidget> control = widget;
    QMetaObject::invokeMethod(
        this,
        [this, control] {
            if (!control || focusNow() != control || control->isVisible())
                return;
            BusyScope busy(m_busy);
            bringPagesForward(control);
            control->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}
