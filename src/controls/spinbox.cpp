#include "controls/spinbox.h"

#include <QLineEdit>

SpinBox::SpinBox(QWidget *parent) : QSpinBox(parent) {}

void SpinBox::setTypingEnabled(bool enabled)
{
    lineEdit()->setReadOnly(!enabled);
}
