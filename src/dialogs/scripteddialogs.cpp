#include "dialogs/scripteddialogs.h"

ScriptedDialogs::ScriptedDialogs()
    : m_unexpected([](const QString &what) { qFatal("%s", qPrintable(what)); })
{}

ScriptedDialogs::~ScriptedDialogs()
{
    if (m_installed)
        setDialogs(m_previous);
}

void ScriptedDialogs::install()
{
    if (!m_installed)
        m_previous = setDialogs(this);
    m_installed = true;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const Shown &s : m_shown) {
        if (s.kind == Kind::Inform || s.kind == Kind::Ask)
            result << s.text;
    }
    return result;
}

int ScriptedDialogs::count(Kind kind) const
{
    int n = 0;
    for (const Shown &s : m_shown)
        n += s.kind == kind ? 1 : 0;
    return n;
}

void ScriptedDialogs::clear()
{
    m_answers.clear();
    m_saveNames.clear();
    m_openNames.clear();
    m_shown.clear();
}

void ScriptedDialogs::unexpected(const QString &what)
{
    m_unexpected(QStringLiteral("Unexpected dialog with no scripted answer: ") + what);
}

void ScriptedDialogs::inform(const QString &text)
{
    m_shown.append({Kind::Inform, {}, text, {}, {}, {}});
}

Dialogs::Answer ScriptedDialogs::ask(const QString &caption, const QString &text)
{
    m_shown.append({Kind::Ask, caption, text, {}, {}, {}});
    if (m_answers.isEmpty()) {
        unexpected(QStringLiteral("question \"%1\" / \"%2\"").arg(caption, text));
        return Answer::Cancel;
    }
    return m_answers.dequeue();
}

QString ScriptedDialogs::saveFileName(const QString &filter, const QString &defaultSuffix,
                                      const QString &initialName)
{
    m_shown.append({Kind::Save, {}, {}, filter, defaultSuffix, initialName});
    if (m_saveNames.isEmpty()) {
        unexpected(QStringLiteral("save dialog offering \"%1\"").arg(initialName));
        return {};
    }
    return m_saveNames.dequeue();
}

QString ScriptedDialogs::openFileName(const QString &filter)
{
    m_shown.append({Kind::Open, {}, {}, filter, {}, {}});
    if (m_openNames.isEmpty()) {
        unexpected(QStringLiteral("open dialog \"%1\"").arg(filter));
        return {};
    }
    return m_openNames.dequeue();
}

void ScriptedDialogs::beep()
{
    m_shown.append({Kind::Beep, {}, {}, {}, {}, {}});
}
