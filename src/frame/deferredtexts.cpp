#include "frame/deferredtexts.h"

#include "controls/controltext.h"
#include "controls/lineedit.h"

DeferredTexts::~DeferredTexts()
{
    release();
}

bool DeferredTexts::hold(QWidget *control, const QString &text)
{
    if (!qobject_cast<LineEdit *>(control))
        return false;
    m_texts.insert(control, {control, text});
    return true;
}

std::optional<QString> DeferredTexts::held(const QWidget *control) const
{
    const auto found = m_texts.constFind(control);
    if (found == m_texts.cend())
        return std::nullopt;
    return found->second;
}

void DeferredTexts::release()
{
    const auto texts = std::exchange(m_texts, {});
    for (const auto &[control, text] : texts) {
        if (control)
            setTextOf(control, text);
    }
}
