#include "shell/helpwindow.h"

#include "controls/fonts.h"
#include "shell/helptext.h"
#include "shell/windowplacement.h"

#include <QPushButton>
#include <QStyle>
#include <QTextEdit>

namespace {
const QSize clientSize(619, 425);
const QRect textBoxGeometry(10, 4, 599, 393);
const QSize buttonSize(89, 25);
} // namespace

TfrmHELP::TfrmHELP(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHELP"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Підказка по користуванню системою"));
    setFont(fonts::sans(11, true));
    setFixedSize(clientSize);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(textBoxGeometry);
    RichEdit1->setFont(fonts::sans(13, true));
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setPlainText(helpText());
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPalette white = RichEdit1->palette();
    white.setColor(QPalette::Base, Qt::white);
    RichEdit1->setPalette(white);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("&Вихід"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(QRect(
        QPoint(textBoxGeometry.right() - buttonSize.width() + 1, textBoxGeometry.bottom() + 1 + 2),
        buttonSize));
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmHELP::BitBtn1Click);

    centreOnScreen(this);
}

void TfrmHELP::BitBtn1Click()
{
    close();
}

TfrmHELP *showHelpWindow()
{
    auto *window = new TfrmHELP;
    window->show();
    return window;
}
