#pragma once

#include "editing/fieldcheckrun.h"

#include <QDialog>

#include <optional>

class CardEditor;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// Every check that `ovrida check` runs, over the card of `editor` as it
// stands: its lines, as "Записати як..." would write them, read into a
// windowless card of its kind. The editor is not changed. Nothing when the
// card cannot be written (the reason has been shown).
std::optional<QList<FieldFailure>> checkCardOf(CardEditor &editor);

// The caption a field shows in its editor window: its label, or the frame
// of a group of choices; empty when it has none.
QString fieldCaptionIn(const QWidget *editor, const QString &control);
// Brings the page of `control` forward and puts the cursor into it.
void goToField(QWidget *editor, const QString &control);

// "Перевірити картку": a modeless list of what the checks found in the card
// of one editor, a row per failure (field code, caption, message). Enter or
// a double-click on a row takes the cursor to that field; "Оновити" checks
// the card again as it stands then.
class CardCheckWindow : public QDialog
{
    Q_OBJECT
public:
    // Shows the check window of `editor` (made once per editor) with a fresh
    // check of its card.
    static CardCheckWindow *showFor(QWidget *editor);

    void refresh();
    QTreeWidget *failures() const { return m_list; }
    QLabel *summary() const { return m_summary; }

private:
    explicit CardCheckWindow(QWidget *editor);
    void goToRow(QTreeWidgetItem *row);

    QWidget *m_editor;
    QTreeWidget *m_list;
    QLabel *m_summary;
};
