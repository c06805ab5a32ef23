#include "controls/memo.h"

#include "controls/inputfilter.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

namespace {

QString withNewlines(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

// What the document gives back for a text it was given: its own line and
// paragraph marks read as line breaks. A no-break space stays what it is: the
// card file holds it, and a blank in its place would change the card.
QString asDocumentGivesBack(const QString &text)
{
    QString result = withNewlines(text);
    for (QChar &c : result) {
        switch (c.unicode()) {
        case 0xfdd0: // the document's frame marks
        case 0xfdd1:
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
            c = QLatin1Char('\n');
            break;
        default:
            break;
        }
    }
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
    // The raw text, not toPlainText(), which turns no-break spaces into blanks.
    QString result = m_waiting ? *m_waiting : asDocumentGivesBack(document()->toRawText());
    result.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return result;
}

QString Memo::givenBack(const QString &text)
{
    QString result = asDocumentGivesBack(text);
    result.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return result;
}

void Memo::setText(const QString &text)
{
    if (isVisible()) {
        m_waiting.reset();
        setPlainText(withNewlines(text));
        return;
    }
    m_waiting = asDocumentGivesBack(text);
}

void Memo::clear()
{
    m_waiting.reset();
    QPlainTextEdit::clear();
}

void Memo::layOutWaitingText()
{
    if (!m_waiting)
        return;
    const QString text = *m_waiting;
    m_waiting.reset();
    setPlainText(text);
}

void Memo::showEvent(QShowEvent *event)
{
    layOutWaitingText();
    QPlainTextEdit::showEvent(event);
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
