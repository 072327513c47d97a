// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The calculator's end of the conversation: pokes arrive here (through the adaptor made from
// org.orlo.Veldra.frmCalc.xml) and go to the window.
#pragma once

#include <QObject>

namespace companion {

class frmCalc;

class CalcBus : public QObject
{
    Q_OBJECT

public:
    explicit CalcBus(frmCalc &window);

    // Claims the calculator's name, taking it from an older calculator and letting a newer one
    // take it in turn: the converter's value belongs to the calculator it has just started.
    bool publish();

public slots:
    bool Poke(const QString &item, const QString &text);
    QString Text(const QString &item) const;

private:
    frmCalc &m_window;
};

} // namespace companion
