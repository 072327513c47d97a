// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/mOrlo.h"
#include "support/CaseFile.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

using core::Catalogue;
using core::UserTables;
constexpr std::size_t kUser = core::pnUserGrpFirst;

TEST(Catalogue, GroupsLabelsAndFactors)
{
    UserTables user;
    const Catalogue cat = core::BuildCatalogue(15, 15, user);
    for (const cases::Case &c : cases::Read("core/catalogue.txt")) {
        SCOPED_TRACE(c.where);
        if (c[0] == "custom")
            continue;
        const auto g = std::stoul(c[1]);
        if (c[0] == "label") {
            EXPECT_EQ(cat.UnitName[g][std::stoul(c[2])], c[3]);
        } else {
            const auto count = std::stoul(c[3]);
            EXPECT_EQ(cat.GroupName[g], c[2]);
            ASSERT_EQ(cat.UnitCount[g], count);
            EXPECT_EQ(cat.UnitName[g][count], ""); // nothing written past the last unit
            EXPECT_EQ(cat.UnitFactor[g][count], 0.0);
            for (std::size_t u = 0; u < count; ++u) {
                const bool none = g == core::pnTempGrp || (g == core::pnSpeedGrp && u == core::pnWarpUnit);
                EXPECT_FALSE(cat.UnitName[g][u].empty()) << u;
                EXPECT_EQ(cat.UnitFactor[g][u] > 0, !none) << u;
            }
            EXPECT_EQ(cat.UnitFactor[g][0], g == core::pnTempGrp || count == 0 ? 0.0 : 1.0);
        }
    }
}

TEST(Catalogue, ComputedFactorsWarpAndPixels)
{
    UserTables user;
    const Catalogue cat = core::BuildCatalogue(12, 20, user);
    const double pi = 4 * std::atan(1.0);
    // clang-format off
    const double expected[][3] = { { 9, 1, 1 / 3.6 }, { 14, 1, pi / 180 }, { 14, 2, pi / 10800 },
        { 14, 3, pi / 648000 }, { 22, 1, 250 / pi }, { 51, 1, 12 }, { 51, 2, 20 } };
    // clang-format on
    for (const auto &[g, u, factor] : expected)
        EXPECT_EQ(cat.UnitFactor[std::size_t(g)][std::size_t(u)], factor) << g << "/" << u;
    EXPECT_EQ(cat.AffineScale[0], (std::array<double, 11> { 1, 1, 1 / 1.8, 1 / 1.8 }));
    EXPECT_EQ(cat.AffineOffset[0], (std::array<double, 11> { 0, 273.15, 459.67, 0 }));
    EXPECT_EQ(cat.WarpValue[0], 299792458.0);
    EXPECT_EQ(cat.WarpValue[9], 1649 * 299792458.0);
    EXPECT_EQ(cat.WarpValue[13], 199516 * 299792458.0);
    EXPECT_EQ(core::WarpCaption(cat, 13), "Warp 9.9999");
    EXPECT_EQ(core::WarpCaption(cat, 14), "");
    EXPECT_EQ(core::WarpCaption(cat, -1), "");
}

UserTables NamedSlots(const std::vector<int> &slots)
{
    UserTables user;
    user.UserGrpName[0] = "Custom";
    for (int j : slots)
        user.UserUnitName[0][j] = "unit " + std::to_string(j);
    return user;
}

// Empty slots before the last named one once shortened the list and hid the units behind them.
TEST(CustomGroups, UnitCountReachesTheLastNamedSlot)
{
    const std::pair<std::vector<int>, int> rows[] = {
        { {}, 0 }, { { 0 }, 1 }, { { 0, 1, 2, 4, 5 }, 6 }, { { 9 }, 10 }, { { 3, 7 }, 8 }
    };
    for (const auto &[slots, count] : rows) {
        UserTables user = NamedSlots(slots);
        user.UserUnitName[0][count == 10 ? 0 : 9] = "  \t"; // blanks only count as empty
        EXPECT_EQ(core::CustomUnitCount(user, 0), count);
        const Catalogue cat = core::BuildCatalogue(15, 15, user);
        EXPECT_EQ(cat.UnitCount[kUser], count);
        for (int j : slots)
            EXPECT_EQ(cat.UnitName[kUser][std::size_t(j)], "unit " + std::to_string(j));
    }
    EXPECT_EQ(core::CustomUnitCount(NamedSlots({ 0 }), -1), 0);
    EXPECT_EQ(core::CustomUnitCount(NamedSlots({ 0 }), core::pnUserGrpCount), 0);
}

TEST(CustomGroups, CoefficientsAndOffsetsAreNormalised)
{
    UserTables user;
    std::vector<cases::Case> rows;
    for (const cases::Case &c : cases::Read("core/catalogue.txt")) {
        if (c[0] == "custom") {
            user.UserUnitName[3][rows.size()] = c[1];
            user.UserCoefText[3][rows.size()] = c[2];
            user.UserOffsetText[3][rows.size()] = c[3];
            rows.push_back(c);
        }
    }
    const Catalogue cat = core::BuildCatalogue(15, 15, user);
    for (std::size_t j = 0; j < rows.size(); ++j) {
        SCOPED_TRACE(rows[j].where);
        const auto number = [&](int k) { return cases::Number(rows[j][std::size_t(k)]); };
        EXPECT_EQ(user.UserCoef[3][j], number(4));
        EXPECT_EQ(user.UserOffset[3][j], number(5));
        EXPECT_EQ(cat.AffineScale[4][j], number(6));
        EXPECT_EQ(cat.AffineOffset[4][j], number(7));
    }
    EXPECT_EQ(user.UserUnitName[3][5], ""); // the blank name is cleared
    EXPECT_EQ(cat.UnitCount[kUser + 3], 5);
}

TEST(CustomGroups, RebuildReplacesTheCustomRowsOnly)
{
    UserTables user = NamedSlots({ 0, 1 });
    Catalogue cat = core::BuildCatalogue(15, 15, user);
    user.UserGrpName[0] = "Renamed";
    user.UserUnitName[0][1] = "";
    user.UserUnitName[19][0] = "x";
    core::BuildCustomGroups(cat, user);
    EXPECT_EQ(
        std::tuple(cat.GroupName[kUser], cat.UnitName[kUser][1], cat.UnitCount[kUser], cat.UnitCount[48]),
        std::tuple("Renamed", "", 1, 1));
    EXPECT_EQ(cat.GroupName[49], "Bit, Byte");
}

} // namespace
