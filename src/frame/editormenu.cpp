#include "frame/editormenu.h"

#include "frame/cardcheckwindow.h"

#include <QMenu>
#include <QMenuBar>

EditorMenuSpec editorMenuSpec(CardKind kind)
{
    switch (kind) {
    case CardKind::RK:
    case CardKind::OK: {
        EditorMenuSpec layout{{"N1", "&Файл"},
                              {"N3", "Новий"},
                              {"N4", "Відкрити..."},
                              {"N6", "Записати як..."},
                              {"N7", "-"},
                              {"N8", "Друк"},
                              {"N9", "-"},
                              {"N10", "Вихід"},
                              {"N2", "&Допомога (F1)"}};
        if (kind == CardKind::OK) {
            layout.exit.name = "N5";
            layout.help.caption = "Допомога";
        }
        return layout;
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
                {"N3", "&Допомога"}};
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

EditorMenu buildEditorMenu(QMenuBar *bar, const EditorMenuSpec &layout)
{
    EditorMenu menu;
    menu.file = bar->addMenu(layout.file.caption);
    menu.file->setObjectName(layout.file.name);
    menu.newCard = addItem(menu.file, layout.newCard);
    menu.open = addItem(menu.file, layout.open);
    menu.saveAs = addItem(menu.file, layout.saveAs);
    addSeparator(menu.file, layout.separator1);
    menu.print = addItem(menu.file, layout.print);
    menu.check = addItem(menu.file, layout.check);
    menu.check->setShortcut(layout.checkShortcut);
    QObject::connect(menu.check, &QAction::triggered, bar,
                     [bar] { CardCheckWindow::showFor(bar->window()); });
    addSeparator(menu.file, layout.separator2);
    menu.exit = addItem(menu.file, layout.exit);
    menu.help = addItem(bar, layout.help);
    // F1 opens help in every editor, whatever its item says.
    menu.help->setShortcut(QKeySequence(Qt::Key_F1));
    return menu;
}
