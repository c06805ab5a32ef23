#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

// A captioned group of mutually exclusive items laid out in columns. Its
// item index (-1: none chosen) changes by a click or by the program; either
// way itemClicked runs, as the group's click handler.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(const QString &caption, const QStringList &items, int columns = 3,
               QWidget *parent = nullptr);

    int itemIndex() const { return m_index; }
    void setItemIndex(int index);
    int count() const;
    QRadioButton *button(int index) const;

signals:
    void itemClicked(int index);

private:
    void buttonToggled(int id, bool checked);

    QButtonGroup *m_buttons;
    int m_index = -1;
};
