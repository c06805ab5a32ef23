#include "reports/sheetset.h"

#include <QCoreApplication>

namespace {
SheetSet *current = nullptr;
}

SheetSet::SheetSet(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("reportSheets"));
    current = this;
}

SheetSet::~SheetSet()
{
    if (current == this)
        current = nullptr;
}

SheetSet *SheetSet::instance()
{
    return current;
}

SheetSet &SheetSet::shared()
{
    if (current)
        return *current;
    // Made at the first print and owned by the application, which outlives
    // every editor that prints.
    return *new SheetSet(QCoreApplication::instance());
}

QList<ReportSheet *> SheetSet::sheets() const
{
    return {&QROkd1(), &QROkd2(), &QRDop(),  &QROk1(), &QROk2(),    &QRRk1(),    &QRRKDop(),
            &QRDop1(), &QRDop2(), &QRDop3(), &QRRk2(), &QRRKDopZ(), &QRRKDopS(), &QROK3()};
}

ReportSheet *SheetSet::sheet(const QString &referenceName) const
{
    for (ReportSheet *sheet : sheets()) {
        if (sheet->objectName() == referenceName)
            return sheet;
    }
    return nullptr;
}
