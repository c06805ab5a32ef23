#include "frame/cataloguerules.h"

#include "controls/radiogroup.h"
#include "frame/focusguard.h"
#include "frame/namedcontrols.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSpinBox>

void connectCatalogue(QObject *context, FocusGuard &guard, const NamedControls &controls,
                      const QList<PageSpec> &pages, const CatalogueRules &rules)
{
    for (const PageSpec &page : pages) {
        for (const FieldSpec &field : page.fields) {
            if (field.name.isEmpty())
                continue;
            QWidget *control = controls.widget(field.name);
            const QString name = field.name;
            if (field.kind == FieldKind::Button) {
                QObject::connect(static_cast<QAbstractButton *>(control), &QAbstractButton::clicked,
                                 context, [rules, name] { rules.click(name); });
            } else if (field.kind == FieldKind::RadioGroup) {
                QObject::connect(static_cast<RadioGroup *>(control), &RadioGroup::itemClicked,
                                 context, [rules, name] { rules.languageChosen(name); });
            } else if (field.kind == FieldKind::SpinBox && rules.spinEntered) {
                guard.onEnter(control, [rules, name] { rules.spinEntered(name); });
                QObject::connect(static_cast<QSpinBox *>(control), &QSpinBox::valueChanged, context,
                                 [rules, name] { rules.spinChanged(name); });
            } else {
                guard.onExit(control, [rules, name] { rules.leave(name); });
            }
            if (rules.clickMarksChanged.contains(name)) {
                QObject::connect(static_cast<QComboBox *>(control), &QComboBox::activated, context,
                                 [rules] { rules.markChanged(); });
            }
        }
    }
}
