#include "cardsofkinds.h" // also built into the benchmarks, which see only src/

#include "../../ok/support/okfiles.h"
#include "../../okd/support/okdfiles.h"
#include "../../rk/support/rkfiles.h"

QStringList newCardOf(CardKind kind)
{
    switch (kind) {
    case CardKind::RK:
        return newCardLines();
    case CardKind::OK:
        return newOkCardLines();
    case CardKind::OKD:
        break;
    }
    return okdNewCardLines();
}

QStringList fullCardOf(CardKind kind)
{
    switch (kind) {
    case CardKind::RK:
        return fullCardLines();
    case CardKind::OK:
        return fullOkCardLines();
    case CardKind::OKD:
        break;
    }
    return okdFullCardLines();
}
