#include "shell/carddrop.h"

#include "frame/cardeditor.h"
#include "frame/editorregistry.h"

#include <QApplication>
#include <QDropEvent>
#include <QHash>
#include <QMimeData>
#include <QPointer>
#include <QUrl>
#include <QWidget>

namespace {

QStringList localFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

// One filter for the whole program: drag events go to the widget under the
// mouse, so the window's own handlers would miss those over its fields.
class DropFilter : public QObject
{
public:
    using QObject::QObject;

    void add(QWidget *window, std::function<void(const QStringList &)> open)
    {
        m_windows.insert(window, std::move(open));
        connect(window, &QObject::destroyed, this, [this, window] { m_windows.remove(window); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) ||
            !watched->isWidgetType())
            return false;
        const auto found = m_windows.constFind(static_cast<QWidget *>(watched)->window());
        if (found == m_windows.cend())
            return false;
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = localFiles(drop->mimeData());
        if (paths.isEmpty())
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (type == QEvent::Drop) {
            // The drag's source is told of the end before the card is read.
            const std::function<void(const QStringList &)> open = *found;
            QMetaObject::invokeMethod(
                this, [open, paths] { open(paths); }, Qt::QueuedConnection);
        }
        return true;
    }

private:
    QHash<QWidget *, std::function<void(const QStringList &)>> m_windows;
};

DropFilter &dropFilter()
{
    static QPointer<DropFilter> filter;
    if (!filter) {
        filter = new DropFilter(qApp);
        qApp->installEventFilter(filter);
    }
    return *filter;
}

} // namespace

void acceptCardDrops(QWidget *window, std::function<void(const QStringList &paths)> open)
{
    window->setAcceptDrops(true);
    dropFilter().add(window, std::move(open));
}

void acceptCardDropsOnEditor(QWidget *editor)
{
    QPointer<QWidget> window = editor;
    acceptCardDrops(editor, [window](const QStringList &paths) {
        CardEditor *card = window ? cardEditorOf(window) : nullptr;
        if (!card)
            return;
        openCardFileIn(*card, paths.first());
        if (paths.size() > 1)
            openCardFiles(paths.mid(1));
    });
}
