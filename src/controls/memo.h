#pragma once

#include <QPlainTextEdit>

#include <optional>

// A multi-line data field in which Enter does not break a line (the text
// wraps at the edge instead) and Tab moves on to the next control. Line
// breaks can still come in by pasting or from a card file.
//
// text() gives the lines joined by "\r\n", the line end of the card files, so
// a value written as it is continues on the next physical line of the file.
// setText() takes "\r\n", "\n" or "\r" as a line break.
//
// A text put into a memo that is not on screen (a card read into a hidden
// page, or by the command line) is kept aside and laid out only when the memo
// is shown: laying out text is most of the cost of reading a card. Use
// text(), setText() and clear() of the memo, never the document directly.
class Memo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit Memo(QWidget *parent = nullptr);

    // With a vertical scroll bar always shown, or none.
    void setScrollBar(bool shown);

    QString text() const;
    void setText(const QString &text);
    void clear();

    // What text() gives after setText(`text`): the document's own line and
    // paragraph marks read as line breaks, a no-break space kept, the lines
    // joined by "\r\n".
    static QString givenBack(const QString &text);

signals:
    // The user put text in by pasting or dropping it.
    void textPasted();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void layOutWaitingText();

    // The text waiting to be laid out, in the form text() gives.
    std::optional<QString> m_waiting;
};
