#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The program itself, run as a separate process the way a script runs it,
// on card files kept in a temporary folder.
class ProgramRun
{
public:
    struct Result
    {
        int exitCode = -1;
        QString errors; // standard error, as UTF-8
    };

    ProgramRun();

    // Why the command line cannot be tested in this build, or empty.
    QString unavailable() const;

    // `ovrida convert` with `arguments`.
    Result convert(const QStringList &arguments) const;

    QString path(const QString &fileName) const { return m_folder.filePath(fileName); }
    // Stores `bytes` as `fileName` in the folder; its path.
    QString write(const QString &fileName, const QByteArray &bytes) const;
    // The bytes of `path`, empty when it cannot be read.
    static QByteArray contents(const QString &path);

private:
    QTemporaryDir m_folder;
    QString m_program;
};
