#pragma once

#include <QWidget>

class QPushButton;
class QTextEdit;

// The help window: the fixed help text in a scrolling box and "&Вихід" under
// it. Each window is independent and frees itself when it is closed.
class TfrmHELP : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmHELP(QWidget *parent = nullptr);

    QTextEdit *RichEdit1 = nullptr;
    QPushButton *BitBtn1 = nullptr;

private slots:
    void BitBtn1Click();
};

// What the editors' help item does: a fresh help window, shown at once,
// modeless. Several may be open at the same time.
TfrmHELP *showHelpWindow();
