#pragma once

#include "app/dialogs.h"

#include <QList>
#include <QStringList>

// Dialogs answered from queues prepared by a test; everything shown is kept.
// A question or file dialog for which no answer is queued is answered with
// Cancel (an empty file name) and counted as unexpected.
class QueuedDialogs : public Dialogs
{
public:
    struct Question
    {
        QString caption;
        QString text;
    };

    QueuedDialogs();
    ~QueuedDialogs() override;
    QueuedDialogs(const QueuedDialogs &) = delete;
    QueuedDialogs &operator=(const QueuedDialogs &) = delete;

    void inform(const QString &text) override;
    Answer ask(const QString &caption, const QString &text) override;
    QString saveFileName(const QString &filter, const QString &defaultSuffix,
                         const QString &initialName) override;
    QString openFileName(const QString &filter) override;
    void beep() override { ++beeps; }

    QList<Answer> answers;
    QStringList saveNames;
    QStringList openNames;

    QList<Question> questions;
    QStringList messages;
    int beeps = 0;
    int unexpected = 0;

private:
    Dialogs *previous_;
};
