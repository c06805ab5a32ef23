#pragma once

#include "dialogs/dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

// Dialogs for tests: answers are queued beforehand and everything shown is
// recorded verbatim in order. A question or file dialog without a queued
// answer is a fault of the test; by default it stops the program with a
// message naming the dialog, so a test can never hang on it.
class ScriptedDialogs : public Dialogs
{
public:
    enum class Kind { Inform, Ask, Save, Open, Beep };
    struct Shown
    {
        Kind kind;
        QString caption; // questions
        QString text;    // messages and questions
        QString filter;  // file dialogs
        QString defaultSuffix;
        QString initialName;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Installs itself as the program's dialogs until destroyed.
    void install();

    void queueAnswer(Answer answer) { m_answers.enqueue(answer); }
    // An empty path answers the dialog with Cancel.
    void queueSaveName(const QString &path) { m_saveNames.enqueue(path); }
    void queueOpenName(const QString &path) { m_openNames.enqueue(path); }

    const QList<Shown> &shown() const { return m_shown; }
    // Texts of the messages and questions, in order.
    QStringList texts() const;
    int count(Kind kind) const;
    // Answers and file names queued but not used.
    int pending() const { return m_answers.size() + m_saveNames.size() + m_openNames.size(); }
    void clear();

    // What happens on a dialog with no queued answer (default: a fatal error).
    void setUnexpectedHandler(std::function<void(const QString &)> handler)
    {
        m_unexpected = std::move(handler);
    }

    void inform(const QString &text) override;
    Answer ask(const QString &caption, const QString &text) override;
    QString saveFileName(const QString &filter, const QString &defaultSuffix,
                         const QString &initialName) override;
    QString openFileName(const QString &filter) override;
    void beep() override;

private:
    void unexpected(const QString &what);

    QQueue<Answer> m_answers;
    QQueue<QString> m_saveNames;
    QQueue<QString> m_openNames;
    QList<Shown> m_shown;
    std::function<void(const QString &)> m_unexpected;
    bool m_installed = false;
    Dialogs *m_previous = nullptr;
};
