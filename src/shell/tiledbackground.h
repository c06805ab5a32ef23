#pragma once

#include <QPixmap>
#include <QWidget>

// A small picture repeated over the whole widget.
class TiledBackground : public QWidget
{
    Q_OBJECT

public:
    explicit TiledBackground(QWidget *parent = nullptr);

    // The picture that is repeated: a soft, light stone pattern drawn once.
    static const QPixmap &tile();

protected:
    void paintEvent(QPaintEvent *event) override;
};
