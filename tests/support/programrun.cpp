#include "support/programrun.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

ProgramRun::ProgramRun()
    : m_program(QCoreApplication::applicationDirPath() + QStringLiteral("/../ovrida"))
{}

bool ProgramRun::found() const
{
    return QFile::exists(m_program);
}

QString ProgramRun::write(const QString &name, const QByteArray &bytes) const
{
    const QString file = path(name);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file));
    return file;
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

QByteArray ProgramRun::contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
