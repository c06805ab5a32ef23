#pragma once

#include "ok/coexecutorgroup.h"
#include "ok/positionlist.h"

#include "editing/cardcontrols.h"
#include "editing/fieldcheckrun.h"
#include "editing/languagefield.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>

// What the accounting card editor does beyond its controls: the working
// values (three-language texts, the position lists, the co-executors, the
// kind markers), the checks run when a field is left and the handlers of the
// selectors, spin boxes and step buttons. It works on the controls by name
// only, so the same rules serve the window, the card file and the command
// line.
class OkEditorLogic
{
public:
    // The three-language texts.
    enum class Languages { ExecutorName, Title, Abstract, HeadName };
    // The position lists.
    enum class List { Programmes, StageNumbers, Products };

    explicit OkEditorLogic(CardControls &controls);
    // The same working values over other controls.
    OkEditorLogic(const OkEditorLogic &other, CardControls &controls);

    // Runs every check that leaving a field runs, on the card as it stands,
    // in tab order page by page, and returns what failed; the card, its
    // controls and the cursor stay as they are.
    QList<FieldFailure> checkFields() const;

    // Focus events, clicks and changes, by control name.
    void leave(const QString &control);
    void enter(const QString &control);
    void click(const QString &button);
    void languageChosen(const QString &selector);
    void spinChanged(const QString &spinBox);
    void textChanged(const QString &control);

    // Clears the card: every control, list, co-executor and language text;
    // the co-executor number back to 1; the selectors on Ukrainian. Spin
    // boxes keep their positions.
    void clearCard();
    // What the window shows after a file was read (or the dialog cancelled):
    // the Ukrainian texts and co-executor 1.
    void showAfterReading();

    CardControls &controls() { return m_controls; }
    const CardControls &controls() const { return m_controls; }
    LanguageField &language(Languages which) { return m_languages.at(int(which)); }
    const LanguageField &language(Languages which) const { return m_languages.at(int(which)); }
    PositionList &list(List which) { return m_lists.at(int(which)); }
    const PositionList &list(List which) const { return m_lists.at(int(which)); }
    CoexecutorGroup &coexecutors() { return m_coexecutors; }
    const CoexecutorGroup &coexecutors() const { return m_coexecutors; }
    // "ю", "ф" or empty until the kind box was left or a card file gave it.
    QString kindMarker(Party party) const { return m_markers.at(int(party)); }
    void setKindMarker(Party party, const QString &marker) { m_markers.at(int(party)) = marker; }

private:
    // The checks (okfieldchecks.cpp).
    bool leaveWithCheck(const QString &control);
    void checkListItem(const QString &comboBox);

    CardControls &m_controls;
    std::array<LanguageField, 4> m_languages; // by Languages
    std::array<PositionList, 3> m_lists;      // by List
    CoexecutorGroup m_coexecutors;
    std::array<QString, 2> m_markers;         // executor, owner
    QHash<QString, QStringList> m_comboItems; // the combo boxes checked against their items
};
