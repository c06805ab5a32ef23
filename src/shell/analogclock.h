#pragma once

#include <QTimer>
#include <QWidget>

// A round clock face with hour, minute and second hands showing the local
// time. It redraws itself as each second begins, and only while it is shown.
class AnalogClock : public QWidget
{
    Q_OBJECT

public:
    explicit AnalogClock(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void tick();

    QTimer timer_;
};
