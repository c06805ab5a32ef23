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
