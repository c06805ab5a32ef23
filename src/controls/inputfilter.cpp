#include "controls/inputfilter.h"

#include "cardfile/cardencoding.h"
#include "cardfile/codepage.h"
#include "dialogs/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>

namespace inputfilter {
namespace {

class Filter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Paste))
                return !admits(QGuiApplication::clipboard()->text());
            return !key->text().isEmpty() && !admits(key->text());
        }
        case QEvent::InputMethod:
            return !admits(static_cast<QInputMethodEvent *>(event)->commitString());
        case QEvent::Drop: {
            const QMimeData *data = static_cast<QDropEvent *>(event)->mimeData();
            return data && data->hasText() && !admits(data->text());
        }
        default:
            return false;
        }
    }
};

Filter *filter()
{
    static QPointer<Filter> instance;
    if (!instance)
        instance = new Filter(qApp);
    return instance;
}

QString carriedPart(const QString &text)
{
    QString kept;
    for (QChar c : text) {
        if (codepage::canCarry(QString(c)))
            kept += c;
    }
    return kept;
}

// Edits that reach a line edit by other ways (its context menu's "Paste")
// are taken back.
void takeBackRefusedEdits(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, filter(), [edit](const QString &text) {
        // A text pasted from several lines stays on one.
        if (const QString oneLine = cardfile::blankedControls(text); oneLine != text) {
            const int cursor = edit->cursorPosition();
            edit->setText(oneLine);
            edit->setCursorPosition(cursor);
        }
        if (codepage::canCarry(edit->text()))
            return;
        dialogs().beep();
        while (edit->isUndoAvailable() && !codepage::canCarry(edit->text()))
            edit->undo();
        if (!codepage::canCarry(edit->text()))
            edit->setText(carriedPart(edit->text()));
    });
}

} // namespace

bool admits(const QString &text)
{
    if (codepage::canCarry(text))
        return true;
    dialogs().beep();
    return false;
}

void install(QWidget *control)
{
    control->installEventFilter(filter());
    QLineEdit *edit = qobject_cast<QLineEdit *>(control);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        edit = combo->lineEdit();
    if (edit) {
        if (edit != control)
            edit->installEventFilter(filter());
        takeBackRefusedEdits(edit);
    }
}

} // namespace inputfilter
