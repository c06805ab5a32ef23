#include "dialogs/consoledialogs.h"

void ConsoleDialogs::write(const QString &text)
{
    const QByteArray bytes = (m_prefix + text).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_out);
    std::fputc('\n', m_out);
    std::fflush(m_out);
}

void ConsoleDialogs::inform(const QString &text)
{
    write(text);
}

void ConsoleDialogs::informFailure(const QString &text)
{
    write(QStringLiteral("Помилка: ") + text);
}

void ConsoleDialogs::informReadingStopped(const QString &reason)
{
    informFailure(reason + QStringLiteral(" Нічого не записано."));
}

Dialogs::Answer ConsoleDialogs::ask(const QString &caption, const QString &text)
{
    write(caption + QStringLiteral(": ") + text);
    return m_answer;
}

QString ConsoleDialogs::saveFileName(const QString &, const QString &, const QString &)
{
    return m_savePath;
}

QString ConsoleDialogs::openFileName(const QString &)
{
    return m_openPath;
}
