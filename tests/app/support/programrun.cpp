#include "app/support/programrun.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

ProgramRun::ProgramRun()
    : m_program(QCoreApplication::applicationDirPath() + QStringLiteral("/../ovrida"))
{}

QString ProgramRun::unavailable() const
{
    if (!QFile::exists(m_program))
        return QStringLiteral("the program is not built");
    QProcess help;
    help.start(m_program, {QStringLiteral("--help")});
    help.waitForFinished(30000);
    if (!help.readAllStandardOutput().contains("convert"))
        return QStringLiteral("the program has no command line in this build");
    return {};
}

ProgramRun::Result ProgramRun::convert(const QStringList &arguments) const
{
    QProcess process;
    // A runtime folder of its own, so that Qt has nothing to say about it.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
    process.setProcessEnvironment(environment);
    process.start(m_program, QStringList{QStringLiteral("convert")} + arguments);
    if (!process.waitForFinished(60000))
        qFatal("the program did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

QString ProgramRun::write(const QString &fileName, const QByteArray &bytes) const
{
    const QString file = path(fileName);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file));
    return file;
}

QByteArray ProgramRun::contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
