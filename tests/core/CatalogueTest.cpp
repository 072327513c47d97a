// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/mOrlo.h"
#include "support/CaseTable.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

using core::Catalogue;
using core::UserTables;
constexpr std::size_t kUser = core::pnUserGrpFirst;

UserTables NamedSlots(const std::vector<int> &slots)
{
    UserTables user;
    user.UserGrpName[0] = "Custom";
    for (int j : slots)
        user.UserUnitName[0][j] = "unit " + std::to_string(j);
    return user;
}

// Empty slots before the last named one must not shorten the list: the units behind them would hide.
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
        if (c["kind"] == "custom") {
            user.UserUnitName[3][rows.size()] = c["unit"];
            user.UserCoefText[3][rows.size()] = c["coefficient"];
            user.UserOffsetText[3][rows.size()] = c["offset"];
            rows.push_back(c);
        }
    }
    const Catalogue cat = core::BuildCatalogue(15, 15, user);
    for (std::size_t j = 0; j < rows.size(); ++j) {
        SCOPED_TRACE(rows[j].where());
        const auto number = [&](const char *column) { return cases::Number(rows[j][column]); };
        EXPECT_EQ(user.UserCoef[3][j], number("coef read"));
        EXPECT_EQ(user.UserOffset[3][j], number("offset read"));
        EXPECT_EQ(cat.AffineScale[4][j], number("scale"));
        EXPECT_EQ(cat.AffineOffset[4][j], number("scale offset"));
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
    // Not = "x": g++ 12 at -O3 warns falsely about it (-Wrestrict, GCC bug 105651).
    user.UserUnitName[19][0].assign(1, 'x');
    core::BuildCustomGroups(cat, user);
    EXPECT_EQ(
        std::tuple(cat.GroupName[kUser], cat.UnitName[kUser][1], cat.UnitCount[kUser], cat.UnitCount[48]),
        std::tuple("Renamed", "", 1, 1));
    EXPECT_EQ(cat.GroupName[49], "Bit, Byte");
}

} // namespace
