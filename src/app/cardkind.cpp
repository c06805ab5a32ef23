#include "app/cardkind.h"

QString questionCaption(CardKind kind)
{
    switch (kind) {
    case CardKind::RK:
        return QStringLiteral("Реєстраційна карта");
    case CardKind::OK:
        return QStringLiteral("Облікова картка НДР І ДКР");
    case CardKind::OKD:
        return QStringLiteral("Облікова картка дисертації");
    }
    return {};
}

QString shortName(CardKind kind)
{
    switch (kind) {
    case CardKind::RK:
        return QStringLiteral("РК");
    case CardKind::OK:
        return QStringLiteral("ОК");
    case CardKind::OKD:
        return QStringLiteral("ОКД");
    }
    return {};
}

std::optional<CardKind> kindFromTypeCode(QStringView code)
{
    if (code == u"01")
        return CardKind::RK;
    if (code == u"02" || code == u"03")
        return CardKind::OK;
    if (code == u"04" || code == u"05")
        return CardKind::OKD;
    return std::nullopt;
}
