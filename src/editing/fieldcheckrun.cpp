#include "editing/fieldcheckrun.h"

#include "dialogs/dialogs.h"
#include "editing/languagefield.h"
#include <utility>
#include <vector>

#include <QRegularExpression>
#include <QSet>

namespace {

// Collects the messages the handlers show while it is installed; questions
// are answered Cancel and file dialogs cancelled, so nothing is written.
class MessageSink final : public Dialogs
{
public:
    MessageSink() : m_previous(setDialogs(this)) {}
    ~MessageSink() override { setDialogs(m_previous); }
    MessageSink(const MessageSink &) = delete;
    MessageSink &operator=(const MessageSink &) = delete;

    QStringList take() { return std::exchange(m_messages, {}); }

    void inform(const QString &text) override { m_messages.append(text); }
    Answer ask(const QString &, const QString &) override { return Answer::Cancel; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(const QString &) override { return {}; }
    void beep() override {}

private:
    Dialogs *m_previous;
    QStringList m_messages;
};

bool isLeft(const FieldSpec &field)
{
    switch (field.kind) {
    case FieldKind::Edit:
    case FieldKind::MaskedEdit:
    case FieldKind::Memo:
    case FieldKind::ScrollMemo:
    case FieldKind::Combo:
        return !(field.flags & Hidden);
    default:
        return false;
    }
}

const CheckedGroup *groupOf(const QList<CheckedGroup> &groups, const QString &control)
{
    for (const CheckedGroup &group : groups) {
        if (group.numberBox == control || group.members.contains(control))
            return &group;
    }
    return nullptr;
}

class CheckWalk
{
public:
    explicit CheckWalk(const CheckPlan &plan) : m_plan(plan) {}

    QList<FieldFailure> run()
    {
        QSet<const CheckedGroup *> done;
        for (const PageSpec &page : m_plan.pages) {
            for (const FieldSpec &field : page.fields) {
                if (!isLeft(field))
                    continue;
                const CheckedGroup *group = groupOf(m_plan.groups, field.name);
                if (!group) {
                    leave(field, {});
                } else if (!done.contains(group)) {
                    done.insert(group);
                    leaveEntries(*group);
                }
            }
        }
        return m_failures;
    }

private:
    void leaveEntries(const CheckedGroup &group)
    {
        std::vector<const FieldSpec *> members;
        for (const QString &member : group.members) {
            if (const FieldSpec *field = fieldNamed(member))
                members.push_back(field);
        }
        for (const int number : group.numbers) {
            group.show(number);
            for (const FieldSpec *field : members) {
                leave(*field,
                      group.memberCode ? group.memberCode(number, field->name) : group.fieldCode);
            }
        }
    }

    const FieldSpec *fieldNamed(const QString &name) const
    {
        for (const PageSpec &page : m_plan.pages) {
            for (const FieldSpec &field : page.fields) {
                if (field.name == name)
                    return &field;
            }
        }
        return nullptr;
    }

    void leave(const FieldSpec &field, const QString &groupCode)
    {
        m_plan.leave(field.name);
        for (const QString &message : m_sink.take()) {
            if (!counts(field.name, message))
                continue;
            m_failures.append({fieldCodeOf(field, groupCode), field.name, message});
        }
    }

    bool counts(const QString &control, const QString &message) const
    {
        for (const LanguageField *language : m_plan.languages) {
            if (language->control() == control)
                return language->asksForUkrainian(message);
        }
        return true;
    }

    const CheckPlan &m_plan;
    MessageSink m_sink;
    QList<FieldFailure> m_failures;
};

} // namespace

QList<FieldFailure> runFieldChecks(const CheckPlan &plan)
{
    return CheckWalk(plan).run();
}

QString fieldCodeOf(const FieldSpec &field, const QString &fallback)
{
    static const QRegularExpression openingCode(QStringLiteral("^\\s*(\\d{4})\\b"));
    static const QRegularExpression codeInName(QStringLiteral("(\\d{4})"));
    if (const QRegularExpressionMatch match = openingCode.match(field.label); match.hasMatch())
        return match.captured(1);
    if (!fallback.isEmpty())
        return fallback;
    if (const QRegularExpressionMatch match = codeInName.match(field.name); match.hasMatch())
        return match.captured(1);
    return {};
}
