#include "app/editorwindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

// Centres its window on the screen the first time it is shown.
class Centerer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *window = static_cast<QWidget *>(watched);
            if (QScreen *screen = window->screen()) {
                QRect frame = window->frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window->move(frame.topLeft());
            }
            window->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
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
    if (QWidget *client = window->centralWidget())
        client->setFixedSize(clientSize);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->installEventFilter(new Centerer(window));
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

void layOutEditorPanel(QWidget *panel, QPushButton *endInput, QPushButton *back,
                       QPushButton *forward)
{
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(16, 0, 29, 0);
    row->setSpacing(5);
    row->addWidget(endInput);
    row->addStretch(1);
    row->addWidget(back);
    row->addWidget(forward);
}

void focusFirstField(QWidget *page)
{
    for (QWidget *w = page->nextInFocusChain(); w != page && page->isAncestorOf(w);
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(page) && w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
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
