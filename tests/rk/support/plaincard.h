#pragma once

#include "rk/rkcarddata.h"

#include <QHash>
#include <QMap>
#include <array>

// A registration card held in plain values, starting as a fresh window
// starts: the catalogue's initial texts, empty groups and languages.
class PlainCard : public RkCardData
{
public:
    PlainCard();

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

    struct Entry
    {
        QString display;
        QString file;
    };

    QHash<QString, QString> fields;
    QHash<QString, QStringList> items;
    std::array<std::array<QString, 3>, 3> languages;
    std::array<int, 3> shownLanguage{};
    std::array<QMap<int, Entry>, 3> groups;
    std::array<int, 3> current{};
    QHash<int, PersonKind> partyKinds;
};
