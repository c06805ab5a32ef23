#pragma once

#include <QSpinBox>

// A number box stepped with its arrows; typing into it can be turned off.
class SpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit SpinBox(QWidget *parent = nullptr);

    void setTypingEnabled(bool enabled);
};
