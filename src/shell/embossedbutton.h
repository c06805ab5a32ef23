#pragma once

#include <QColor>
#include <QWidget>

// A choice drawn as raised letters straight on the window's background. The
// letter after "&" is underlined for the eye only: no key triggers the
// button, it answers the mouse alone.
class EmbossedButton : public QWidget
{
    Q_OBJECT

public:
    EmbossedButton(const QString &text, const QFont &font, const QColor &color,
                   QWidget *parent = nullptr);

    QString text() const { return text_; }
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString text_;
    QColor color_;
    bool pressed_ = false;
};
