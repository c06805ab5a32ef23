#pragma once

// Files and the program beside the benchmarks, as every benchmark uses them.
#include <QCoreApplication>
#include <QFile>
#include <QTest>

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The program, built next to the benchmarks, or empty.
inline QString programBesideBenchmarks()
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../ovrida");
    return QFile::exists(program) ? program : QString();
}
