#pragma once

#include "cardfile/cardkind.h"

#include <QString>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class CardDocument;
class ConsoleDialogs;

// Runs one command of the command line on cards, one after another, through
// the windowless documents of their kinds, which run the editors' own rules:
// each card is read exactly as "Відкрити..." reads it, then written, printed
// or checked by the job. One document of each kind serves every card of that
// kind, so many cards cost one start of the program and memory stays flat.
class CardJobs
{
public:
    // What is done with an opened card; returns whether it was written.
    using Job = std::function<bool(CardDocument &, ConsoleDialogs &, const QString &output)>;

    // How messages look: each names the card it is about; each starts on a
    // cleared line (a progress line may stand there on a terminal).
    struct Messages
    {
        bool nameCards = false;
        bool clearLine = false;
    };

    // `kind`: the kind every card is taken as; without it each card's 5013
    // line decides. Messages go to `errors`.
    CardJobs(std::optional<CardKind> kind, std::FILE *errors, Messages messages);
    ~CardJobs();
    CardJobs(const CardJobs &) = delete;
    CardJobs &operator=(const CardJobs &) = delete;

    // Opens `card` (an absolute path) and runs `job` with `output`. Returns
    // whether the output was written; otherwise the reason was reported and
    // nothing was written.
    bool run(const QString &card, const QString &output, const Job &job);

    // Reports a failure that concerns `card`, marked as an error.
    void report(const QString &card, const QString &message);
    // What is said after a failure to write `output`.
    static QString notWritten(const QString &output);

private:
    CardDocument *documentFor(CardKind kind);
    std::optional<CardKind> kindOf(const QString &card);
    void prepare(ConsoleDialogs &console, const QString &card) const;

    std::optional<CardKind> m_kind;
    std::FILE *m_errors;
    Messages m_messages;
    std::map<CardKind, std::unique_ptr<CardDocument>> m_documents;
};
