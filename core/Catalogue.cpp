// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/CatalogueData.h"
#include "core/mOrlo.h"

#include <cmath>

namespace core {
namespace {

bool IsBlankOnly(std::string_view s)
{
    for (char c : s) {
        if (c != ' ' && c != '\t')
            return false;
    }
    return true;
}

void FillLinearGroups(Catalogue &cat)
{
    for (const data::GroupTable &table : data::LinearGroups()) {
        const std::size_t g = static_cast<std::size_t>(table.group);
        cat.GroupName[g] = table.name;
        cat.UnitCount[g] = static_cast<std::int16_t>(table.units.size());
        for (std::size_t u = 0; u < table.units.size(); ++u) {
            cat.UnitName[g][u] = table.units[u].label;
            cat.UnitFactor[g][u] = table.units[u].factor;
        }
    }
}

void FillTemperature(Catalogue &cat)
{
    const auto units = data::TemperatureUnits();
    cat.GroupName[pnTempGrp] = data::kTemperatureName;
    cat.UnitCount[pnTempGrp] = static_cast<std::int16_t>(units.size());
    for (std::size_t u = 0; u < units.size(); ++u) {
        cat.UnitName[pnTempGrp][u] = units[u].label;
        cat.AffineScale[0][u] = units[u].scale;
        cat.AffineOffset[0][u] = units[u].offset;
    }
}

void FillComputedFactors(Catalogue &cat, std::int16_t Tppx, std::int16_t Tppy)
{
    const double pi = 4.0 * std::atan(1.0);
    constexpr int kAngleGrp = 14;
    constexpr int kFieldGrp = 22;
    constexpr int kGraphicsGrp = 51;
    cat.UnitFactor[pnSpeedGrp][1] = 1 / 3.6;
    cat.UnitFactor[kAngleGrp][1] = pi / 180;
    cat.UnitFactor[kAngleGrp][2] = pi / 10800;
    cat.UnitFactor[kAngleGrp][3] = pi / 648000;
    cat.UnitFactor[kFieldGrp][1] = 250 / pi;
    cat.AffineScale[0][2] = 1 / 1.8;
    cat.AffineScale[0][3] = 1 / 1.8;
    cat.UnitFactor[kGraphicsGrp][1] = static_cast<double>(Tppx);
    cat.UnitFactor[kGraphicsGrp][2] = static_cast<double>(Tppy);
}

void FillWarp(Catalogue &cat)
{
    const auto warp = data::WarpTable();
    for (std::size_t k = 0; k < warp.size(); ++k) {
        cat.WarpText[k] = warp[k].text;
        cat.WarpValue[k] = warp[k].multipleOfC * cat.UnitFactor[pnSpeedGrp][pnLightUnit];
    }
}

// A coefficient or offset text read as a number; empty reads as 0. Text beyond the double range
// cannot come from the editor's check, only from a damaged file: it reads as 0 too, so such a
// coefficient converts like any zero coefficient (scale 1e-30).
double ReadUserNumber(const std::string &s)
{
    if (s.empty())
        return 0;
    return Val(s).value_or(0.0);
}

} // namespace

std::int16_t CustomUnitCount(const UserTables &user, int i)
{
    if (i < 0 || i >= pnUserGrpCount)
        return 0;
    const auto &names = user.UserUnitName[static_cast<std::size_t>(i)];
    for (int j = kUserUnitsUsed - 1; j >= 0; --j) {
        if (!IsBlankOnly(names[static_cast<std::size_t>(j)]))
            return static_cast<std::int16_t>(j + 1);
    }
    return 0;
}

void BuildCustomGroups(Catalogue &cat, UserTables &user)
{
    for (std::size_t i = 0; i < pnUserGrpCount; ++i) {
        const std::size_t g = pnUserGrpFirst + i;
        const std::size_t r = i + 1;
        cat.GroupName[g] = user.UserGrpName[i];
        for (std::size_t j = 0; j < kUserUnitsUsed; ++j) {
            double &coef = user.UserCoef[i][j];
            double &offset = user.UserOffset[i][j];
            coef = ReadUserNumber(user.UserCoefText[i][j]);
            offset = ReadUserNumber(user.UserOffsetText[i][j]);
            if (IsBlankOnly(user.UserUnitName[i][j])) {
                user.UserUnitName[i][j].clear();
                coef = 1;
                offset = 0;
            }
            cat.UnitName[g][j] = user.UserUnitName[i][j];
            // A zero scale would divide by zero on the way out of the unit.
            cat.AffineScale[r][j] = coef == 0 ? 1e-30 : coef;
            cat.AffineOffset[r][j] = coef == 0 ? 0 : offset;
        }
        cat.UnitCount[g] = CustomUnitCount(user, static_cast<int>(i));
    }
}

Catalogue BuildCatalogue(std::int16_t Tppx, std::int16_t Tppy, UserTables &user)
{
    Catalogue cat;
    FillLinearGroups(cat);
    FillTemperature(cat);
    FillComputedFactors(cat, Tppx, Tppy);
    FillWarp(cat);
    BuildCustomGroups(cat, user);
    return cat;
}

std::string WarpCaption(const Catalogue &cat, int k)
{
    if (k < 0 || k >= kWarpCount)
        return {};
    return "Warp " + cat.WarpText[static_cast<std::size_t>(k)];
}

} // namespace core
