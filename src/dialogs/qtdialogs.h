#pragma once

#include "dialogs/dialogs.h"

// The program's dialogs on screen: message boxes, file dialogs starting in
// the user's home directory, and the system beep.
class QtDialogs : public Dialogs
{
public:
    void inform(const QString &text) override;
    Answer ask(const QString &caption, const QString &text) override;
    QString saveFileName(const QString &filter, const QString &defaultSuffix,
                         const QString &initialName) override;
    QString openFileName(const QString &filter) override;
    void beep() override;
};

// A filter written as "Текстовые файлы|*.txt|Все файлы|*.*" (description and
// patterns alternating, patterns separated by ";") in the file dialog's own
// form "Текстовые файлы (*.txt);;Все файлы (*)".
QString toQtFileFilter(const QString &filter);

// A message as a message box shows it: every line break of the message
// ("\r\n", "\n\r" or a lone "\r" or "\n") becomes one line break.
QString displayedLines(const QString &text);
