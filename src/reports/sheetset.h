#pragma once

#include "reports/sheets.h"

#include <QList>
#include <QObject>

// The fourteen report sheets, shared by every editor and alive until the
// program ends. Each sheet is made when it is first asked for, so printing a
// card of one kind never makes the sheets of the others. Each run of a
// card's printing resets what it fills before it fills it.
class SheetSet : public QObject
{
    Q_OBJECT

public:
    // The set made last is the one instance() gives.
    explicit SheetSet(QObject *parent = nullptr);
    ~SheetSet() override;

    // The set made last that is still alive, or null.
    static SheetSet *instance();
    // The set every editor prints on: instance(), made at the first call
    // when there is none yet (owned by the application).
    static SheetSet &shared();

    // Every sheet, in start-up order: QROkd1, QROkd2, QRDop, QROk1, QROk2,
    // QRRk1, QRRKDop, QRDop1, QRDop2, QRDop3, QRRk2, QRRKDopZ, QRRKDopS,
    // QROK3.
    QList<ReportSheet *> sheets() const;
    // By reference name ("QRRk1"); null for an unknown name.
    ReportSheet *sheet(const QString &referenceName) const;

    TQROkd1 &QROkd1() const { return made(m_okd1); }
    TQROkd2 &QROkd2() const { return made(m_okd2); }
    TQRDop &QRDop() const { return made(m_dop); }
    TQROk1 &QROk1() const { return made(m_ok1); }
    TQROk2 &QROk2() const { return made(m_ok2); }
    TQRRk1 &QRRk1() const { return made(m_rk1); }
    TQRRKDop &QRRKDop() const { return made(m_rkDop); }
    TQRDop1 &QRDop1() const { return made(m_dop1); }
    TQRDop2 &QRDop2() const { return made(m_dop2); }
    TQRDop3 &QRDop3() const { return made(m_dop3); }
    TQRRk2 &QRRk2() const { return made(m_rk2); }
    TQRRKDopZ &QRRKDopZ() const { return made(m_rkDopZ); }
    TQRRKDopS &QRRKDopS() const { return made(m_rkDopS); }
    TQROK3 &QROK3() const { return made(m_ok3); }

private:
    template <class Sheet> Sheet &made(Sheet *&sheet) const
    {
        if (!sheet)
            sheet = new Sheet(const_cast<SheetSet *>(this));
        return *sheet;
    }

    mutable TQROkd1 *m_okd1 = nullptr;
    mutable TQROkd2 *m_okd2 = nullptr;
    mutable TQRDop *m_dop = nullptr;
    mutable TQROk1 *m_ok1 = nullptr;
    mutable TQROk2 *m_ok2 = nullptr;
    mutable TQRRk1 *m_rk1 = nullptr;
    mutable TQRRKDop *m_rkDop = nullptr;
    mutable TQRDop1 *m_dop1 = nullptr;
    mutable TQRDop2 *m_dop2 = nullptr;
    mutable TQRDop3 *m_dop3 = nullptr;
    mutable TQRRk2 *m_rk2 = nullptr;
    mutable TQRRKDopZ *m_rkDopZ = nullptr;
    mutable TQRRKDopS *m_rkDopS = nullptr;
    mutable TQROK3 *m_ok3 = nullptr;
};
