#include "frame/hinttiming.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolTip>

namespace {

int delay = 700;
int showTime = 10000;

// The delay before a hint is a style hint of the application's style.
class HintStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return delay;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// How long a hint stays is given when it is shown.
class HintShower : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->toolTip().isEmpty())
            return false;
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), widget->toolTip(), widget,
                           QRect(), showTime);
        return true;
    }
};

void install()
{
    static QPointer<HintShower> shower;
    if (shower)
        return;
    shower = new HintShower(qApp);
    qApp->installEventFilter(shower);
    if (!dynamic_cast<HintStyle *>(QApplication::style()))
        QApplication::setStyle(new HintStyle(QStyleFactory::create(QApplication::style()->name())));
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QApplication::palette().color(QPalette::ToolTipBase));
    QToolTip::setPalette(palette);
}

} // namespace

void setHintTiming(int delayMs, int showMs)
{
    delay = delayMs;
    showTime = showMs;
    install();
}

int hintDelay()
{
    return delay;
}

int hintShowTime()
{
    return showTime;
}
