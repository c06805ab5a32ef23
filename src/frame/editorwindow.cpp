#include "frame/editorwindow.h"

#include "frame/focusguard.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>

namespace {

// Room left for a title bar that the window system adds around a window.
constexpr int kTitleBarAllowance = 40;

// The stated size when every page fits into it; otherwise the size the
// pages need (as far as the screen allows), and the window can be sized.
void fitEditorWindow(QMainWindow *window, QSize clientSize)
{
    // Every tab stays in sight: the window is made wide enough for them all.
    for (QTabWidget *pages : window->findChildren<QTabWidget *>()) {
        pages->setUsesScrollButtons(false);
        pages->setElideMode(Qt::ElideNone);
    }
    QWidget *client = window->centralWidget();
    window->layout()->activate();
    const QSize need = client->minimumSizeHint();
    if (need.width() <= clientSize.width() && need.height() <= clientSize.height()) {
        client->setFixedSize(clientSize);
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
        window->layout()->activate();
        return;
    }
    const QSize chrome = window->minimumSizeHint() - need;
    QSize room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (const QScreen *screen = window->screen())
        room = screen->availableGeometry().size() - chrome - QSize(0, kTitleBarAllowance);
    client->setMinimumSize(need.boundedTo(room));
    window->layout()->activate();
    window->resize(need.expandedTo(clientSize).boundedTo(room) + chrome);
}

// Sizes an editor window the first time it is shown, when all its pages are
// there, and centres it on its screen.
class FirstShow : public QObject
{
public:
    FirstShow(QMainWindow *window, QSize clientSize) : QObject(window), m_clientSize(clientSize)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto *window = static_cast<QMainWindow *>(watched);
            window->removeEventFilter(this);
            fitEditorWindow(window, m_clientSize);
            if (QScreen *screen = window->screen()) {
                QRect frame = window->frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window->move(frame.topLeft());
            }
            deleteLater();
        }
        return false;
    }

private:
    QSize m_clientSize;
};

} // namespace

void setEditorFont(QWidget *window)
{
    QFont font = window->font();
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setPixelSize(11);
    window->setFont(font);
}

void prepareEditorWindow(QMainWindow *window, QSize clientSize)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    new FirstShow(window, clientSize);
}

QPushButton *makeEndOfInputButton(QWidget *parent, const QString &name)
{
    auto *button = new QPushButton(QStringLiteral("&Кінець введення"), parent);
    button->setObjectName(name);
    button->setFixedSize(121, 25);
    // The style's ignore glyph; styles without one get the "done" tick.
    QIcon glyph = button->style()->standardIcon(QStyle::SP_DialogIgnoreButton);
    if (glyph.availableSizes().isEmpty())
        glyph = button->style()->standardIcon(QStyle::SP_DialogApplyButton);
    button->setIcon(glyph);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, Qt::red);
    button->setPalette(palette);
    return button;
}

QPushButton *makeStepButton(QWidget *parent, const QString &name, bool forward)
{
    auto *button =
        new QPushButton(forward ? QStringLiteral("Вперед") : QStringLiteral("Назад"), parent);
    button->setObjectName(name);
    button->setFixedSize(75, 25);
    button->setIcon(
        button->style()->standardIcon(forward ? QStyle::SP_ArrowForward : QStyle::SP_ArrowBack));
    return button;
}

void layOutEditorPanel(QWidget *panel, int height, QPushButton *endInput, QPushButton *back,
                       QPushButton *forward)
{
    // The panel keeps its height whatever room the pages need above it, so
    // the buttons stand in its middle and never on the window's edge.
    panel->setFixedHeight(height);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(16, 0, 29, 0);
    row->setSpacing(5);
    row->addWidget(endInput);
    row->addStretch(1);
    row->addWidget(back);
    row->addWidget(forward);
}

QWidget *firstField(QWidget *page)
{
    for (QWidget *w = page->nextInFocusChain(); w != page && page->isAncestorOf(w);
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(page) && w->isEnabled())
            return w;
    }
    return nullptr;
}

void focusFirstField(QWidget *page)
{
    if (QWidget *field = firstField(page))
        field->setFocus(Qt::OtherFocusReason);
}

void showCardStart(QTabWidget *pages, FocusGuard &guard)
{
    pages->setCurrentIndex(0);
    if (QWidget *field = pages->currentWidget() ? firstField(pages->currentWidget()) : nullptr)
        guard.placeCursor(field);
}

void chainPanelAfterPage(QWidget *page, const QList<QPushButton *> &buttons)
{
    QWidget *last = nullptr;
    for (QWidget *w = page->nextInFocusChain(); page->isAncestorOf(w); w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            last = w;
    }
    QWidget *previous = last;
    for (QPushButton *button : buttons) {
        if (previous)
            QWidget::setTabOrder(previous, button);
        previous = button;
    }
}
