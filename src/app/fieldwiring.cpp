#include "app/fieldwiring.h"

#include "app/focusguard.h"
#include "app/inputgate.h"
#include "app/radiogroup.h"

#include <QAbstractButton>
#include <QRadioButton>

FieldWiring editorWiring(InputGate &gate, FocusGuard &guard)
{
    return [&gate, &guard](QWidget *control, const FieldSpec &field) {
        if (field.flags & Changed)
            gate.watch(control);
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
