#include "dialogs/qtdialogs.h"

#include "cardfile/cardkind.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

namespace {

QWidget *dialogParent()
{
    return QApplication::activeWindow();
}

QString runFileDialog(QFileDialog::AcceptMode mode, const QString &filter,
                      const QString &defaultSuffix, const QString &initialName)
{
    QFileDialog dialog(dialogParent(), QString(), QDir::homePath(), toQtFileFilter(filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (!defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(defaultSuffix);
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// Room the title bar takes beside its caption: the icon and the close box.
constexpr int kTitleBarButtons = 96;

// A message box is at least as wide as its caption, so that the title bar
// shows the caption whole however short the message is.
void fitCaption(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    const int width =
        QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

QString toQtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &p : patterns) {
            p = p.trimmed();
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        }
        entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
    }
    return entries.join(QStringLiteral(";;"));
}

QString displayedLines(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

void QtDialogs::inform(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, programCaption(), displayedLines(text), QMessageBox::Ok,
                    dialogParent());
    box.setTextFormat(Qt::PlainText);
    fitCaption(box);
    box.exec();
}

Dialogs::Answer QtDialogs::ask(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, caption, displayedLines(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, dialogParent());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    fitCaption(box);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString QtDialogs::saveFileName(const QString &filter, const QString &defaultSuffix,
                                const QString &initialName)
{
    return runFileDialog(QFileDialog::AcceptSave, filter, defaultSuffix, initialName);
}

QString QtDialogs::openFileName(const QString &filter)
{
    return runFileDialog(QFileDialog::AcceptOpen, filter, {}, {});
}

void QtDialogs::beep()
{
    QApplication::beep();
}
