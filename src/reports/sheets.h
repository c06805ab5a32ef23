#pragma once

#include "reports/reportsheet.h"

// The sheet classes of the printed forms. Each layout is a table in the file
// named after the sheet.

// The registration card (RK), page 1.
class TQRRk1 : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQRRk1(QObject *parent = nullptr);
};

// The registration card (RK), page 2.
class TQRRk2 : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQRRk2(QObject *parent = nullptr);
};

// The RK continuation page for stages 5 to 15.
class TQRRKDop : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQRRKDop(QObject *parent = nullptr);
};

// The RK continuation page for customers 2 to 5.
class TQRRKDopZ : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQRRKDopZ(QObject *parent = nullptr);
};

// The RK continuation page for co-executors 4 to 20.
class TQRRKDopS : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQRRKDopS(QObject *parent = nullptr);
};

// The accounting card (OK), page 1.
class TQROk1 : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQROk1(QObject *parent = nullptr);
};

// The accounting card (OK), page 2.
class TQROk2 : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQROk2(QObject *parent = nullptr);
};

// The OK page of co-executors from the third on.
class TQROK3 : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQROK3(QObject *parent = nullptr);
};

// The dissertation card (OKD), page 1.
class TQROkd1 : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQROkd1(QObject *parent = nullptr);
};

// The dissertation card (OKD), page 2.
class TQROkd2 : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQROkd2(QObject *parent = nullptr);
};

// The continuation page for long texts (back margins).
class TQRDop : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQRDop(QObject *parent = nullptr);
};

// The continuation page for long texts.
class TQRDop1 : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQRDop1(QObject *parent = nullptr);
};

// The continuation page for long texts.
class TQRDop2 : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQRDop2(QObject *parent = nullptr);
};

// The continuation page for long texts.
class TQRDop3 : public ReportSheet
{
    Q_OBJECT

public:
    explicit TQRDop3(QObject *parent = nullptr);
};
