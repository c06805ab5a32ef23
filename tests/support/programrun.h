#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The program built beside the tests, run as a separate process the way a
// script would run it, with files in a temporary folder.
class ProgramRun
{
public:
    struct Result
    {
        int exitCode = -1;
        QString errors; // its standard error, UTF-8
        QString output; // its standard output, UTF-8
    };

    ProgramRun();

    // Whether the program is there to be run.
    bool found() const;
    // Writes `bytes` to the file `name` in the folder; its path.
    QString write(const QString &name, const QByteArray &bytes) const;
    QString path(const QString &name) const { return m_folder.filePath(name); }
    // Runs "ovrida convert ARGUMENTS".
    Result convert(const QStringList &arguments) const;
    // Runs "ovrida ARGUMENTS"; `shellSetUp`, when given, is run by bash in the
    // same process first (e.g. "ulimit -f 1").
    Result run(const QStringList &arguments, const QString &shellSetUp = {}) const;

    static QByteArray contents(const QString &path);
    // The number of pages of a PDF file written by the program; -1 when it
    // cannot be read.
    static int pdfPageCount(const QString &path);

private:
    QTemporaryDir m_folder;
    QString m_program;
};
