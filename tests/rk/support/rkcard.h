#pragma once

#include "rk/rkeditorlogic.h"
#include "rk/support/fakecontrols.h"

#include <QStringList>

// The registration card's rules over plain controls.
struct PlainCard
{
    FakeControls controls;
    RkEditorLogic logic{controls};

    QString &operator[](const QString &control) { return controls.texts[control]; }
    QString text(const QString &control) const { return controls.text(control); }
    // Reads `lines` as a card file; returns the message that stopped it.
    QString read(const QStringList &lines);
    QStringList lines() const;
};
