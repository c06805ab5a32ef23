#include "rk/rkgroups.h"

#include "cardfile/piece.h"

using namespace Qt::StringLiterals;

namespace {

using Group = RkCardData::Group;

QList<RkGroupSpec> buildGroups()
{
    return {
        {Group::Customers,
         u"2458"_s,
         7,
         5,
         u"Edit1"_s,
         u"lizz"_s,
         {u"lizz"_s, u"ed2458"_s, u"gorz"_s, u"mm2152"_s, u"mm2656"_s},
         {u"ed2458"_s, u"mm2152"_s, u"mm2656"_s},
         u"BitBtn7"_s,
         u"BitBtn6"_s,
         u"Кількість замовників від 1 до 5"_s,
         u"fin"_s,
         true},
        {Group::Coexecutors,
         u"2142"_s,
         21,
         20,
         u"cpn"_s,
         u"lizsv"_s,
         {u"lizsv"_s, u"cpk"_s, u"gorc"_s, u"cpi"_s, u"cpa"_s},
         {u"cpk"_s, u"cpi"_s, u"cpa"_s},
         u"Button1"_s,
         u"Button2"_s,
         u"Кількість співвиконавців від 1 до 20"_s,
         u"ed9036n"_s,
         true},
        {Group::Stages,
         u"9036"_s,
         16,
         15,
         u"ed9036n"_s,
         QString(),
         {u"ed9036p"_s, u"ed9036z"_s, u"ed9036v"_s, u"mm9036"_s},
         {u"ed9036p"_s, u"ed9036z"_s, u"ed9036v"_s, u"mm9036"_s},
         u"BitBtn4"_s,
         u"BitBtn5"_s,
         u"Кількість етапів від 1 до 15"_s,
         u"BitBtn3"_s,
         false},
    };
}

QString onOneLine(QString text)
{
    text.replace(u"\r\n"_s, u" "_s);
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

const QList<RkGroupSpec> &rkGroups()
{
    static const QList<RkGroupSpec> groups = buildGroups();
    return groups;
}

const RkGroupSpec &rkGroup(RkCardData::Group group)
{
    return rkGroups().at(int(group));
}

const RkGroupSpec *rkGroupOf(const QString &control)
{
    for (const RkGroupSpec &layout : rkGroups()) {
        if (layout.numberBox == control || layout.valueFields.contains(control) ||
            layout.nextButton == control || layout.previousButton == control)
            return &layout;
    }
    return nullptr;
}

RkEntry rkEntryFromControls(const RkCardData &card, const RkGroupSpec &layout,
                            const QString &kindNumber)
{
    QStringList display{card.fieldText(layout.numberBox)};
    display.reserve(1 + layout.valueFields.size());
    QStringList file = display;
    for (const QString &field : layout.valueFields) {
        const QString text =
            layout.valuesOnOneLine ? onOneLine(card.fieldText(field)) : card.fieldText(field);
        display.append(text);
        file.append(field == layout.kindBox ? kindNumber : text);
    }
    return {display.join(cardfile::kSeparator), file.join(cardfile::kSeparator)};
}
