#include "app/support/queueddialogs.h"

QueuedDialogs::QueuedDialogs() : previous_(setDialogs(this)) {}

QueuedDialogs::~QueuedDialogs()
{
    setDialogs(previous_);
}

void QueuedDialogs::inform(const QString &text)
{
    messages.append(text);
}

Dialogs::Answer QueuedDialogs::ask(const QString &caption, const QString &text)
{
    questions.append({caption, text});
    if (answers.isEmpty()) {
        ++unexpected;
        return Answer::Cancel;
    }
    return answers.takeFirst();
}

QString QueuedDialogs::saveFileName(const QString &, const QString &, const QString &)
{
    if (saveNames.isEmpty()) {
        ++unexpected;
        return {};
    }
    return saveNames.takeFirst();
}

QString QueuedDialogs::openFileName(const QString &)
{
    if (openNames.isEmpty()) {
        ++unexpected;
        return {};
    }
    return openNames.takeFirst();
}
