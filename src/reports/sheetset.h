#pragma once

#include "reports/sheets.h"

#include <QList>
#include <QObject>

// The fourteen report sheets, created once when the first card is printed,
// hidden, shared by every editor and alive until the program ends. Each run
// of a card's printing resets what it fills before it fills it.
class SheetSet : public QObject
{
    Q_OBJECT

public:
    // Creates the sheets in start-up order: QROkd1, QROkd2, QRDop, QROk1,
    // QROk2, QRRk1, QRRKDop, QRDop1, QRDop2, QRDop3, QRRk2, QRRKDopZ,
    // QRRKDopS, QROK3. The set made last is the one instance() gives.
    explicit SheetSet(QObject *parent = nullptr);
    ~SheetSet() override;

    // The set made last that is still alive, or null.
    static SheetSet *instance();
    // The set every editor prints on: instance(), made at the first call
    // when there is none yet (owned by the application).
    static SheetSet &shared();

    // In creation order.
    const QList<ReportSheet *> &sheets() const { return m_sheets; }
    // By reference name ("QRRk1"); null for an unknown name.
    ReportSheet *sheet(const QString &referenceName) const;

    TQROkd1 &QROkd1() const { return *m_okd1; }
    TQROkd2 &QROkd2() const { return *m_okd2; }
    TQRDop &QRDop() const { return *m_dop; }
    TQROk1 &QROk1() const { return *m_ok1; }
    TQROk2 &QROk2() const { return *m_ok2; }
    TQRRk1 &QRRk1() const { return *m_rk1; }
    TQRRKDop &QRRKDop() const { return *m_rkDop; }
    TQRDop1 &QRDop1() const { return *m_dop1; }
    TQRDop2 &QRDop2() const { return *m_dop2; }
    TQRDop3 &QRDop3() const { return *m_dop3; }
    TQRRk2 &QRRk2() const { return *m_rk2; }
    TQRRKDopZ &QRRKDopZ() const { return *m_rkDopZ; }
    TQRRKDopS &QRRKDopS() const { return *m_rkDopS; }
    TQROK3 &QROK3() const { return *m_ok3; }

private:
    template <class Sheet> Sheet *create();

    QList<ReportSheet *> m_sheets;
    TQROkd1 *m_okd1;
    TQROkd2 *m_okd2;
    TQRDop *m_dop;
    TQROk1 *m_ok1;
    TQROk2 *m_ok2;
    TQRRk1 *m_rk1;
    TQRRKDop *m_rkDop;
    TQRDop1 *m_dop1;
    TQRDop2 *m_dop2;
    TQRDop3 *m_dop3;
    TQRRk2 *m_rk2;
    TQRRKDopZ *m_rkDopZ;
    TQRRKDopS *m_rkDopS;
    TQROK3 *m_ok3;
};
