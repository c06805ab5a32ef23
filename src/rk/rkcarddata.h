#pragma once

#include "cardfile/personkind.h"

#include <QString>
#include <QStringList>

// What the registration card's file code reads and fills: the controls by
// name and the working values kept beside them. The editor window provides
// it; the card file lines are built and applied through it only.
class RkCardData
{
public:
    // The three-language texts.
    enum class Languages { ExecutorName, Title, HeadName };
    // The repeating groups.
    enum class Group { Customers, Coexecutors, Stages };

    virtual ~RkCardData() = default;

    // The text of a control as the file carries it: masked edits in their
    // read-back form, combo boxes their text.
    virtual QString fieldText(const QString &control) const = 0;
    // Puts a text into a control. A text from a file is never cut to the
    // control's maximum length.
    virtual void setFieldText(const QString &control, const QString &text) = 0;
    // Selects item `index` of a combo box; an index outside its items
    // leaves the box without a text.
    virtual void selectItem(const QString &control, int index) = 0;

    // Language 0 Ukrainian, 1 Russian, 2 English.
    virtual QString languageText(Languages which, int language) const = 0;
    virtual void setLanguageText(Languages which, int language, const QString &text) = 0;
    // Turns the language selector to `language` and shows its text.
    virtual void showLanguage(Languages which, int language) = 0;

    // The file form of every stored entry, in number order.
    virtual QStringList groupFileLines(Group which) const = 0;
    // Stores entry `number` in its display and file forms. A number outside
    // the group's room changes nothing.
    virtual void storeEntry(Group which, int number, const QString &display,
                            const QString &file) = 0;
    virtual void setCurrentNumber(Group which, int number) = 0;

    // Gives a party's code field the mask and labels of `kind`.
    virtual void showPartyKind(Party party, PersonKind kind) = 0;
};
