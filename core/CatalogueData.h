// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The fixed unit tables, as plain data. BuildCatalogue copies them into a Catalogue and fills in the
// few factors that are computed at start-up.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace core::data {

struct UnitRow
{
    std::string_view label;
    double factor;
};

struct GroupTable
{
    std::int16_t group;
    std::string_view name;
    std::span<const UnitRow> units;
};

struct AffineRow
{
    std::string_view label;
    double scale;
    double offset;
};

struct WarpRow
{
    std::string_view text;
    double multipleOfC;
};

// A factor that BuildCatalogue computes; the table holds 0 until then.
inline constexpr double kComputed = 0.0;

// Every linear group with fixed units: 0..5, 7..28, 49..51.
std::span<const GroupTable> LinearGroups();

inline constexpr std::string_view kTemperatureName = "Temperature";
std::span<const AffineRow> TemperatureUnits();

std::span<const WarpRow> WarpTable();

} // namespace core::data
