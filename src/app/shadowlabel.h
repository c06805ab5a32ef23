#pragma once

#include <QColor>
#include <QWidget>

// A line of text with a hard black shadow cast to the lower right, drawn over
// whatever lies behind it.
class ShadowLabel : public QWidget
{
    Q_OBJECT

public:
    ShadowLabel(const QString &text, const QFont &font, const QColor &color,
                QWidget *parent = nullptr);

    QString text() const { return text_; }
    QColor color() const { return color_; }
    QSize sizeHint() const override;

    static constexpr int shadowDepth = 5;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text_;
    QColor color_;
};
