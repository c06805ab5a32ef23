#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A line of text with a black shadow cast to the lower right, drawn over
// whatever lies behind it. The shadow is slightly softened, which reads
// better than a hard copy of the letters; it is drawn once and kept.
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
    static constexpr int shadowSoftness = 2;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textRect() const;
    QImage drawShadow() const;

    QString text_;
    QColor color_;
    QImage shadow_;
};
