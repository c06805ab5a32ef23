#pragma once

#include <QElapsedTimer>
#include <QFrame>
#include <QTimer>

// A strip on which a text runs from the right edge to the left, over and over
// again. The position follows the time elapsed since the strip was first
// drawn, not the number of timer ticks, so a busy moment does not slow the
// text down.
class RunningCaption : public QFrame
{
    Q_OBJECT

public:
    explicit RunningCaption(const QString &text, QWidget *parent = nullptr);

    QString text() const { return text_; }
    // Where the text starts, in pixels from the left inner edge, after `msecs`
    // of running: from the right edge to fully past the left one, then again.
    int textOffset(qint64 msecs) const;

    static constexpr int pixelsPerSecond = 60;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QString text_;
    QTimer timer_;
    QElapsedTimer clock_;
};
