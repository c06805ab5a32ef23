#pragma once

#include "rk/rkcarddata.h"
#include "rk/rkgroups.h"

#include "cardfile/repeatinggroup.h"
#include "editing/cardcontrols.h"
#include "editing/fieldcheckrun.h"
#include "editing/languagefield.h"

#include <QString>
#include <array>

// What the registration card editor does beyond its controls: the working
// values (three-language texts, repeating groups, entry numbers, kind
// markers), the checks run when a field is left, the group number boxes and
// step buttons. It works on the controls by name only, so the same rules
// serve the window and the command line.
class RkEditorLogic : public RkCardData
{
public:
    explicit RkEditorLogic(CardControls &controls);
    // The same working values over other controls.
    RkEditorLogic(const RkEditorLogic &other, CardControls &controls);

    // Runs every check that leaving a field runs, on the card as it stands,
    // in tab order page by page, and returns what failed; the card, its
    // controls and the cursor stay as they are.
    QList<FieldFailure> checkFields() const;

    // Focus events and clicks, by control name. A handler that sends the
    // cursor elsewhere does so through CardControls::focus.
    void leave(const QString &control);
    void enter(const QString &control);
    void click(const QString &button);
    // The user chose another item in a language selector.
    void languageChosen(const QString &selector);

    // Empties every control (masked edits blank, combo boxes on their first
    // item, selectors on Ukrainian), every group entry and the language
    // texts. Entry numbers are kept.
    void clearCard();

    // Working values the window and tests look at.
    const RepeatingGroup &entries(Group which) const { return m_groups.at(int(which)).entries; }
    int currentNumber(Group which) const { return m_groups.at(int(which)).current; }
    int numberOnEnter(Group which) const { return m_groups.at(int(which)).onEnter; }
    // "ю", "ф" or empty until the kind box was left.
    QString kindMarker(Party party) const { return m_markers.at(int(party)); }

    // RkCardData
    QString fieldText(const QString &control) const override;
    void setFieldText(const QString &control, const QString &text) override;
    void selectItem(const QString &control, int index) override;
    QString languageText(Languages which, int language) const override;
    void setLanguageText(Languages which, int language, const QString &text) override;
    void showLanguage(Languages which, int language) override;
    QStringList groupFileLines(Group which) const override;
    void storeEntry(Group which, int number, const QString &display, const QString &file) override;
    void setCurrentNumber(Group which, int number) override;
    void showPartyKind(Party party, PersonKind kind) override;

private:
    struct GroupState
    {
        RepeatingGroup entries;
        int current = 0;
        int onEnter = 0;
    };

    // Field checks (rkfieldchecks.cpp).
    void leaveWithCheck(const QString &control);
    void report(const QStringList &messages, const QString &control);
    void checkCodeList(const QString &control);
    void checkLanguage(Languages which);
    void leaveKindBox(Party party);
    void checkPartyCode(Party party);

    // Repeating groups (rkgroupeditor.cpp).
    void leaveGroupField(const QString &control);
    bool store(Group which);
    void enterNumberBox(Group which);
    void leaveNumberBox(Group which);
    // After the limit message: the number box and the fields show the last
    // entry the clerk may fill instead of one beyond it.
    void backWithinLimit(Group which);
    void deleteEntry(Group which, int number);
    void step(Group which, int by);
    void showEntry(Group which, int number);
    void emptyValueFields(Group which);

    GroupState &state(Group which) { return m_groups.at(int(which)); }
    std::optional<int> numberIn(const QString &numberBox);

    CardControls &m_controls;
    std::array<LanguageField, 3> m_languages; // by Languages
    std::array<GroupState, 3> m_groups;
    std::array<QString, 3> m_markers; // by Party
};
