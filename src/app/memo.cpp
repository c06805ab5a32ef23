#include "app/memo.h"

#include "app/inputfilter.h"

#include <QKeyEvent>
#include <QMimeData>

namespace {

QString withNewlines(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

} // namespace

Memo::Memo(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setScrollBar(false);
    inputfilter::install(this);
}

void Memo::setScrollBar(bool shown)
{
    setVerticalScrollBarPolicy(shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

QString Memo::text() const
{
    QString result = toPlainText();
    result.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return result;
}

void Memo::setText(const QString &text)
{
    setPlainText(withNewlines(text));
}

void Memo::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool Memo::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void Memo::insertFromMimeData(const QMimeData *source)
{
    const QString text = withNewlines(source->text());
    if (text.isEmpty() || !inputfilter::admits(text))
        return;
    insertPlainText(text);
    emit textPasted();
}
