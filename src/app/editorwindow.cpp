#include "app/editorwindow.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

// Room left for a title bar that the window system adds around a window.
constexpr int kTitleBarAllowance = 40;

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

void prepareEditorWindow(QMainWindow *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->installEventFilter(new Centerer(window));
}

void fitEditorWindow(QMainWindow *window, QSize clientSize)
{
    window->ensurePolished();
    QWidget *client = window->centralWidget();
    const QSize need = client->minimumSizeHint();
    if (need.width() <= clientSize.width() && need.height() <= clientSize.height()) {
        client->setFixedSize(clientSize);
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    window->layout()->activate();
    const QSize chrome = window->minimumSizeHint() - need;
    QSize room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen)
        room = screen->availableGeometry().size() - chrome - QSize(0, kTitleBarAllowance);
    client->setMinimumSize(need.boundedTo(room));
    window->layout()->activate();
    window->resize(need.expandedTo(clientSize).boundedTo(room) + chrome);
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
