#pragma once

#include "dialogs/dialogs.h"

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
    // Put before every text, e.g. the name of the card it is about.
    void setPrefix(const QString &prefix) { m_prefix = prefix; }

    void inform(const QString &text) override;
    // Failures begin with "Помилка: ", after the prefix.
    void informFailure(const QString &text) override;
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
    QString m_prefix;
};
