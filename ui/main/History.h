// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The statements the History submenu keeps for the conversions the user copied.
#pragma once

#include <QString>

#include <cstdint>

namespace ui {

// How a value and its unit read in a statement.
enum class StatementLayout {
    Ordinary, // the value, one blank, the unit: "12 m/s"
    Times, // a multiple of a reference speed: "2 time(s) c: speed of light in vacuum"
    NameFirst, // a factor that follows its word: "Warp 9.9"
};

// The layout for `unit` of `group`. Only speeds measured against a reference (the speed of light, the
// Mach numbers) and the warp factor read differently; every other unit follows its value.
StatementLayout LayoutFor(std::int16_t group, const QString &unit);

QString StatementPart(const QString &value, const QString &unit, StatementLayout layout);

// "<input> <From unit> = <result> <Into unit>", each side in the layout of its unit.
QString HistoryStatement(std::int16_t group,
    const QString &input,
    const QString &fromUnit,
    const QString &result,
    const QString &intoUnit);

} // namespace ui
