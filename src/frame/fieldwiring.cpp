#include "frame/fieldwiring.h"

#include "controls/radiogroup.h"
#include "frame/focusguard.h"
#include "frame/inputgate.h"

#include <QAbstractButton>
#include <QRadioButton>

namespace {

// A control that holds a value of the card, which the clerk can change.
bool isDataField(const FieldSpec &field)
{
    if (field.flags & Hidden)
        return false;
    switch (field.kind) {
    case FieldKind::Edit:
    case FieldKind::MaskedEdit:
    case FieldKind::Memo:
    case FieldKind::ScrollMemo:
    case FieldKind::Combo:
    case FieldKind::CheckBox:
        return true;
    default:
        return false;
    }
}

} // namespace

FieldWiring editorWiring(InputGate &gate, FocusGuard &guard)
{
    return [&gate, &guard](QWidget *control, const FieldSpec &field) {
        if (field.flags & Changed)
            gate.watch(control);
        else if (isDataField(field))
            gate.watch(control, InputGate::Typing::Marks);
        if (field.flags & TrimOnKey)
            trimOnKey(control);
        if (auto *group = qobject_cast<RadioGroup *>(control)) {
            for (int i = 0; i < group->count(); ++i)
                guard.guardClicks(group->button(i));
        } else if (qobject_cast<QAbstractButton *>(control)) {
            guard.guardClicks(control);
        }
    };
}
