#pragma once

#include "app/dialogs.h"

#include <cstdio>

// Dialogs of the command line: every text goes verbatim to the error stream,
// file dialogs return the preset paths and questions the preset answer.
class ConsoleDialogs : public Dialogs
{
public:
    explicit ConsoleDialogs(std::FILE *out = stderr) : m_out(out) {}

    void setAnswer(Answer answer) { m_answer = answer; }
    void setSavePath(const QString &path) { m_savePath = path; }
    void setOpenPath(const QString &path) { m_openPath = path; }

    void inform(const QString &text) override;
    void informReadingStopped(const QString &reason) override;
    Answer ask(const QString &caption, const QString &text) override;
    QString saveFileName(const QString &filter, const QString &defaultSuffix,
                         const QString &initialName) override;
    QString openFileName(const QString &filter) override;
    void beep() override {}

private:
    void write(const QString &text);

    std::FILE *m_out;
    Answer m_answer = Answer::Cancel;
    QString m_savePath;
    QString m_openPath;
};
