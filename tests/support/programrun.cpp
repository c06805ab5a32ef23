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
    return run(QStringList{QStringLiteral("convert")} + arguments);
}

ProgramRun::Result ProgramRun::run(const QStringList &arguments, const QString &shellSetUp) const
{
    QProcess process;
    // A runtime folder of its own, so that Qt has nothing to say about it.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
    process.setProcessEnvironment(environment);
    if (shellSetUp.isEmpty())
        process.start(m_program, arguments);
    else
        process.start(QStringLiteral("bash"),
                      QStringList{QStringLiteral("-c"),
                                  shellSetUp + QStringLiteral("; exec \"$@\""),
                                  QStringLiteral("bash"), m_program} +
                          arguments);
    if (!process.waitForFinished(60000))
        qFatal("the program did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()),
            QString::fromUtf8(process.readAllStandardOutput())};
}

int ProgramRun::pdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
               bytes.count("/Type /Page>") + bytes.count("/Type /Page "));
}

QByteArray ProgramRun::contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
