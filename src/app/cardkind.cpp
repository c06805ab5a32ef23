#include "app/cardkind.h"

#include <QFileInfo>

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

QString defaultCardName(CardKind kind)
{
    switch (kind) {
    case CardKind::RK:
        return QStringLiteral("RK");
    case CardKind::OK:
        return QStringLiteral("OK");
    case CardKind::OKD:
        return QStringLiteral("OKD");
    }
    return {};
}

QString pdfNameFor(CardKind kind, const QString &cardFile)
{
    if (cardFile.isEmpty())
        return defaultCardName(kind) + QStringLiteral(".pdf");
    const QFileInfo file(cardFile);
    const QString name = file.completeBaseName() + QStringLiteral(".pdf");
    return file.path() == QStringLiteral(".") ? name : file.dir().filePath(name);
}

QString programCaption()
{
    return QStringLiteral("ОВРІДА");
}
