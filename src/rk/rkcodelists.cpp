#include "rk/rkcodelists.h"

using namespace Qt::StringLiterals;

namespace {

const QString kFinanceMessage = u"Помилка в коді джерела фінансування!"_s;
const QString kCurrencyMessage = u"Такої грошової одиниці немає в словнику!"_s;
const QStringList kCurrencies = {u"тис.грн."_s, u"дол."_s, u"євро"_s, u"DM"_s, u"тис.руб."_s};
const QStringList kAllFinanceCodes = {u"7713"_s, u"7705"_s, u"7706"_s, u"7722"_s, u"7704"_s};

using Empty = RkCodeList::Empty;

QList<RkCodeList> buildLists()
{
    return {
        {u"ed5256"_s,
         {u"5"_s, u"4"_s, u"1"_s},
         Empty::Refused,
         u"  4 - конфіденційна,  5 - відкрита,  1 - для службового користування"_s},
        {u"ed7146"_s,
         {u"07"_s, u"34"_s, u"52"_s, u"43"_s, u"25"_s},
         Empty::Refused,
         u"  07 - затвержена органами викон.влади,  34 - від центрального органу "
         u"викон.влади,  52 - угода затвержена з організацією,  43 - з власної "
         u"ініціативи,  25 - угода з фізичною особою."_s},
        {u"ed7191"_s,
         {u"39"_s, u"48"_s, u"57"_s, u"66"_s},
         Empty::Refused,
         u"   39 - фундаментальна,  48 - прикладна,  57 - дослідно-конструкторська,       "
         u"66 - проектно-технологічна."_s},
        {u"ed7209"_s,
         {u"17"_s, u"71"_s},
         Empty::Accepted,
         u"  17 - головний виконавець,  71 - співвиконавець"_s},
        {u"ed9036v"_s,
         {u"91"_s, u"28"_s, u"37"_s, u"19"_s},
         Empty::Refused,
         u"91-заключний звіт, 28-проміжний звіт, 37-пояснювальна записка, 19-без звіту,"_s},
        {u"fin"_s,
         {u"7713"_s, u"7722"_s, u"7704"_s},
         Empty::RefusedOnceCustomerEntered,
         kFinanceMessage},
        {u"fin1"_s, kAllFinanceCodes, Empty::AcceptedSkipping, kFinanceMessage, u"ed7353"_s},
        {u"fin2"_s, kAllFinanceCodes, Empty::AcceptedSkipping, kFinanceMessage, u"ed7353"_s},
        {u"ed"_s, kCurrencies, Empty::Refused, kCurrencyMessage},
        {u"ed1"_s, kCurrencies, Empty::Refused, kCurrencyMessage},
        {u"ed2"_s, kCurrencies, Empty::Refused, kCurrencyMessage},
    };
}

} // namespace

const QList<RkCodeList> &rkCodeLists()
{
    static const QList<RkCodeList> lists = buildLists();
    return lists;
}

const RkCodeList *rkCodeList(const QString &control)
{
    for (const RkCodeList &list : rkCodeLists()) {
        if (list.control == control)
            return &list;
    }
    return nullptr;
}

const QStringList &rkFinanceCodes()
{
    return kAllFinanceCodes;
}
