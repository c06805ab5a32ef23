#include "app/editormenu.h"

#include <QMenu>
#include <QMenuBar>

EditorMenuSpec editorMenuSpec(CardKind kind)
{
    switch (kind) {
    case CardKind::RK:
    case CardKind::OK: {
        EditorMenuSpec spec{{"N1", "&Файл"},
                            {"N3", "Новий"},
                            {"N4", "Відкрити..."},
                            {"N6", "Записати як..."},
                            {"N7", "-"},
                            {"N8", "Друк"},
                            {"N9", "-"},
                            {"N10", "Вихід"},
                            {"N2", "&Допомога (F1)"},
                            QKeySequence(Qt::Key_F1)};
        if (kind == CardKind::OK) {
            spec.exit.name = "N5";
            spec.help.caption = "Допомога";
            spec.helpShortcut = {};
        }
        return spec;
    }
    case CardKind::OKD:
        return {{"File1", "Файл"},
                {"New1", "Новий"},
                {"Open1", "Відкрити..."},
                {"SaveAs1", "Записати як ..."},
                {"N2", "-"},
                {"Print1", "Друк..."},
                {"N1", "-"},
                {"Exit1", "Вихід"},
                {"N3", "&Допомога"},
                {}};
    }
    return {};
}

namespace {

QAction *addItem(QWidget *menu, const EditorMenuSpec::Item &item)
{
    auto *action = new QAction(item.caption, menu);
    action->setObjectName(item.name);
    menu->addAction(action);
    return action;
}

void addSeparator(QMenu *menu, const EditorMenuSpec::Item &item)
{
    menu->addSeparator()->setObjectName(item.name);
}

} // namespace

EditorMenu buildEditorMenu(QMenuBar *bar, const EditorMenuSpec &spec)
{
    EditorMenu menu;
    menu.file = bar->addMenu(spec.file.caption);
    menu.file->setObjectName(spec.file.name);
    menu.newCard = addItem(menu.file, spec.newCard);
    menu.open = addItem(menu.file, spec.open);
    menu.saveAs = addItem(menu.file, spec.saveAs);
    addSeparator(menu.file, spec.separator1);
    menu.print = addItem(menu.file, spec.print);
    addSeparator(menu.file, spec.separator2);
    menu.exit = addItem(menu.file, spec.exit);
    menu.help = addItem(bar, spec.help);
    menu.help->setShortcut(spec.helpShortcut);
    return menu;
}
