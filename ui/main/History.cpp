// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "History.h"

#include "core/mOrlo.h"

namespace ui {

namespace {

struct SpeedUnitLayout
{
    const char *unit; // as the catalogue names it
    StatementLayout layout;
};

const SpeedUnitLayout kSpeedLayouts[] = {
    { "c: speed of light in vacuum", StatementLayout::Times },
    { "Mach (-20 °C, 1 atm)", StatementLayout::Times },
    { "Mach (0 °C, 1 atm)", StatementLayout::Times },
    { "Mach (20 °C, 1 atm)", StatementLayout::Times },
    { "Warp", StatementLayout::NameFirst },
};

} // namespace

StatementLayout LayoutFor(std::int16_t group, const QString &unit)
{
    if (group != core::pnSpeedGrp)
        return StatementLayout::Ordinary;
    for (const SpeedUnitLayout &s : kSpeedLayouts)
        if (unit == QString::fromUtf8(s.unit))
            return s.layout;
    return StatementLayout::Ordinary;
}

QString StatementPart(const QString &value, const QString &unit, StatementLayout layout)
{
    switch (layout) {
    case StatementLayout::Times:
        return value + QStringLiteral(" time(s) ") + unit;
    case StatementLayout::NameFirst:
        return unit + QLatin1Char(' ') + value;
    case StatementLayout::Ordinary:
        break;
    }
    return value + QLatin1Char(' ') + unit;
}

QString HistoryStatement(std::int16_t group,
    const QString &input,
    const QString &fromUnit,
    const QString &result,
    const QString &intoUnit)
{
    return StatementPart(input, fromUnit, LayoutFor(group, fromUnit)) + QStringLiteral(" = ")
        + StatementPart(result, intoUnit, LayoutFor(group, intoUnit));
}

} // namespace ui
