#pragma once

#include "okd/okdcard.h"

#include "editing/cardcontrols.h"
#include "editing/fieldcheckrun.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

// What the dissertation card editor does beyond its controls: the working
// values (the names, titles and abstracts in three languages and the five
// organisation blocks), the checks run when a field is left, the handlers
// of the radio groups and where the cursor goes next. It works on the
// controls by name only, so the same rules serve the window, the card file
// and the command line.
class OkdEditorLogic
{
public:
    explicit OkdEditorLogic(CardControls &controls);
    // The same working values over other controls.
    OkdEditorLogic(const OkdEditorLogic &other, CardControls &controls);

    // Runs every check that leaving a field runs, on the card as it stands,
    // in tab order page by page, and returns what failed; the card, its
    // controls and the cursor stay as they are. Every organisation block is
    // checked as if it were shown.
    QList<FieldFailure> checkFields() const;

    // The controls whose leaving, and whose entering, the rules handle.
    static const QStringList &leftControls();
    static const QStringList &enteredControls();

    // Focus events, clicks and changes, by control name.
    void leave(const QString &control);
    void enter(const QString &control);
    // The mouse button was released over `control`.
    void click(const QString &control);
    // The user turned a radio group.
    void itemChosen(const QString &radioGroup);
    // The user changed the text of `control`.
    void textEdited(const QString &control);
    // Turns a radio group as the program does, which runs its handler.
    void choose(const QString &radioGroup, int index);

    // Empties the card: every control and working value; the radio groups
    // on their first items, the check box unticked, the degree boxes empty.
    void clearCard();
    // What the window shows after a file was read: the first item of every
    // radio group (the Ukrainian texts, the first organisation block).
    void showAfterReading();

    // Called with the block whenever the organisation boxes show one.
    void setBlockShown(std::function<void(int block)> shown) { m_blockShown = std::move(shown); }

    CardControls &controls() { return m_controls; }
    const CardControls &controls() const { return m_controls; }
    OkdValues &values() { return m_values; }
    const OkdValues &values() const { return m_values; }

private:
    // Shows the messages; with any, the cursor goes back to `control`.
    void report(const QStringList &messages, const QString &control);
    // A text outside the list silently becomes the list's first item.
    void checkListItem(const QString &comboBox);
    void applicantLeft();
    void supervisorLeft(int supervisor);
    void supervisorEntered(int supervisor);
    void titleLeft(const QString &memo);
    void organisationLeft(const QString &name);
    void organisationSteer(const QString &name, bool click);

    void showApplicantName();
    void showSupervisorNames();
    void showTitles();
    void showBlock();
    // The item `radioGroup` shows when it is a language, else -1.
    int languageOf(const QString &radioGroup) const;

    CardControls &m_controls;
    OkdValues m_values;
    QHash<QString, QStringList> m_listItems; // the combo boxes held to their items
    std::function<void(int)> m_blockShown;
};
