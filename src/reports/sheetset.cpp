#include "reports/sheetset.h"

#include <QCoreApplication>

namespace {
SheetSet *current = nullptr;
}

template <class Sheet> Sheet *SheetSet::create()
{
    auto *sheet = new Sheet(this);
    m_sheets.append(sheet);
    return sheet;
}

// The members are initialised in declaration order, which is the start-up
// order of the sheets.
SheetSet::SheetSet(QObject *parent)
    : QObject(parent), m_okd1(create<TQROkd1>()), m_okd2(create<TQROkd2>()),
      m_dop(create<TQRDop>()), m_ok1(create<TQROk1>()), m_ok2(create<TQROk2>()),
      m_rk1(create<TQRRk1>()), m_rkDop(create<TQRRKDop>()), m_dop1(create<TQRDop1>()),
      m_dop2(create<TQRDop2>()), m_dop3(create<TQRDop3>()), m_rk2(create<TQRRk2>()),
      m_rkDopZ(create<TQRRKDopZ>()), m_rkDopS(create<TQRRKDopS>()), m_ok3(create<TQROK3>())
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

ReportSheet *SheetSet::sheet(const QString &referenceName) const
{
    for (ReportSheet *sheet : m_sheets) {
        if (sheet->objectName() == referenceName)
            return sheet;
    }
    return nullptr;
}
