#include "cardfile/cardkind.h"

#include <QDir>
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
