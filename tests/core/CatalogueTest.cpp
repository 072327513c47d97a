#include "core/mOrlo.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

using core::Catalogue;
using core::UserTables;

Catalogue Build(std::int16_t tppx = 15, std::int16_t tppy = 15)
{
    UserTables user;
    return core::BuildCatalogue(tppx, tppy, user);
}

bool IsAffine(int g)
{
    return g == core::pnTempGrp || (g >= core::pnUserGrpFirst && g < core::pnCompGrpFirst);
}

TEST(Catalogue, GroupNamesUnitCountsAndBaseUnits)
{
    const struct
    {
        int group;
        const char *name;
        int count;
    } rows[] = {
        // clang-format off
        {0, "Length", 26}, {1, "Mass", 15}, {2, "Area", 15}, {3, "Volume", 32}, {4, "Stress, Pressure", 13},
        {5, "Work Rate, Power...", 16}, {6, "Temperature", 4}, {7, "Energy, Work, Moment, Torque", 19},
        {8, "Force", 6}, {9, "Velocity, Speed", 20}, {10, "Acceleration", 7}, {11, "Density", 8},
        {12, "Fuel Consumption (Mass)", 4}, {13, "Fuel Consumption (Distance)", 6}, {14, "Angle", 4},
        {15, "Viscosity", 8}, {16, "Kinetic Viscosity", 6}, {17, "Heat Flux", 4},
        {18, "Specific Heat Capacity", 7}, {19, "Thermal Conductivity", 3},
        {20, "Heat Transfer Coefficient", 3}, {21, "Magnetic Flux Density", 3},
        {22, "Magnetic Field Strength", 2}, {23, "Magnetic Flux", 2}, {24, "Illuminance", 2},
        {25, "Luminance", 2}, {26, "Radioactivity", 2}, {27, "Exposed Dose (Exposure)", 2},
        {28, "Metric Prefixes", 40}, {49, "Bit, Byte", 9}, {50, "Number System", 4}, {51, "Graphics Units", 10},
        {52, "", 0},
        // clang-format on
    };
    const Catalogue cat = Build();
    for (const auto &r : rows) {
        SCOPED_TRACE(r.group);
        EXPECT_EQ(cat.GroupName[r.group], r.name);
        EXPECT_EQ(cat.UnitCount[r.group], r.count);
        EXPECT_EQ(cat.UnitName[r.group][r.count], ""); // nothing written past the last unit
        EXPECT_EQ(cat.UnitFactor[r.group][r.count], 0.0);
        for (int u = 0; u < r.count; ++u) {
            EXPECT_FALSE(cat.UnitName[r.group][u].empty()) << u;
            const bool warp = r.group == core::pnSpeedGrp && u == core::pnWarpUnit;
            EXPECT_EQ(cat.UnitFactor[r.group][u] > 0, !IsAffine(r.group) && !warp) << u;
        }
        EXPECT_EQ(cat.UnitFactor[r.group][0], IsAffine(r.group) || r.count == 0 ? 0.0 : 1.0);
    }
}

// Expected texts spell the special characters as code points, so a look-alike in the table (Greek
// mu for the micro sign, say) fails.
TEST(Catalogue, LabelsKeepTheirSpecialCharactersAsUtf8)
{
    const struct
    {
        int group, unit;
        const char *label;
    } rows[] = {
        // clang-format off
        {0, 12, "micron (\u00B5)"}, {0, 13, "\u00E5ngstr\u00F6m (\u00C5)"}, {2, 0, "m\u00B2: square meter"},
        {3, 1, "cm\u00B3, cc : cubic centimeter"}, {6, 1, "\u00B0C: deg Celsius"}, {9, 19, "Warp"},
        {9, 10, "Mach (-20 \u00B0C, 1 atm)"}, {14, 1, "\u00B0: degree"}, {14, 2, "': minute"},
        {14, 3, "\": Second "}, {22, 1, "Oe: \u00F6rsted"}, {27, 1, "R: r\u00F6ntgen"},
        {28, 30, "wei [bi], \u00B5: micro"}, {28, 39, "y: yocto"}, {51, 2, "pixel (Y)"},
        // clang-format on
    };
    const Catalogue cat = Build();
    for (const auto &r : rows)
        EXPECT_EQ(cat.UnitName[r.group][r.unit], r.label) << r.group << "/" << r.unit;
    EXPECT_EQ(cat.UnitName[0][12], "micron (\xC2\xB5)");
}

TEST(Catalogue, ComputedFactorsAreTheExpressionsBitForBit)
{
    const Catalogue cat = Build();
    const double pi = 4 * std::atan(1.0);
    EXPECT_EQ(cat.UnitFactor[9][1], 1 / 3.6);
    EXPECT_EQ(cat.UnitFactor[14][1], pi / 180);
    EXPECT_EQ(cat.UnitFactor[14][2], pi / 10800);
    EXPECT_EQ(cat.UnitFactor[14][3], pi / 648000);
    EXPECT_EQ(cat.UnitFactor[22][1], 250 / pi);
    EXPECT_EQ(cat.AffineScale[0][2], 1 / 1.8);
    EXPECT_EQ(cat.AffineScale[0][3], 1 / 1.8);
    // The same doubles written as their shortest decimals.
    EXPECT_EQ(cat.UnitFactor[14][1], 0.017453292519943295);
    EXPECT_EQ(cat.UnitFactor[22][1], 79.57747154594767);
    EXPECT_EQ(cat.AffineScale[0][2], 0.5555555555555556);
    const double offsets[] = { 0, 273.15, 459.67, 0 };
    for (int u = 0; u < 4; ++u)
        EXPECT_EQ(cat.AffineOffset[0][u], offsets[u]);
}

TEST(Catalogue, WarpAndPixels)
{
    const Catalogue cat = Build(12, 20);
    EXPECT_EQ(cat.WarpValue[0], 299792458.0);
    EXPECT_EQ(cat.WarpValue[9], 1649 * 299792458.0);
    EXPECT_EQ(cat.WarpValue[13], 199516 * 299792458.0);
    EXPECT_EQ(core::WarpCaption(cat, 0), "Warp 1");
    EXPECT_EQ(core::WarpCaption(cat, 13), "Warp 9.9999");
    EXPECT_EQ(core::WarpCaption(cat, 14), "");
    EXPECT_EQ(core::WarpCaption(cat, -1), "");
    EXPECT_EQ(cat.UnitFactor[51][1], 12.0);
    EXPECT_EQ(cat.UnitFactor[51][2], 20.0);
}

UserTables NamedSlots(const std::vector<int> &slots)
{
    UserTables user;
    user.UserGrpName[0] = "Custom";
    for (int j : slots) {
        user.UserUnitName[0][j] = "unit " + std::to_string(j);
        user.UserCoefText[0][j] = "1";
    }
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
        EXPECT_EQ(core::CustomUnitCount(user, 0), count);
        EXPECT_EQ(core::BuildCatalogue(15, 15, user).UnitCount[core::pnUserGrpFirst], count);
    }
    UserTables user = NamedSlots({ 0, 1, 2, 4, 5 });
    user.UserUnitName[0][9] = "   "; // blanks only count as empty
    const Catalogue cat = core::BuildCatalogue(15, 15, user);
    EXPECT_EQ(cat.UnitName[core::pnUserGrpFirst][5], "unit 5");
    EXPECT_EQ(cat.UnitName[core::pnUserGrpFirst][3], "");
    EXPECT_EQ(cat.UnitCount[core::pnUserGrpFirst], 6);
    EXPECT_EQ(core::CustomUnitCount(user, -1), 0);
    EXPECT_EQ(core::CustomUnitCount(user, core::pnUserGrpCount), 0);
}

TEST(CustomGroups, CoefficientsAndOffsetsAreNormalised)
{
    const struct
    {
        const char *name, *coef, *offset;
        double userCoef, userOffset, scale, affineOffset;
    } rows[] = {
        // clang-format off
        {"a", "2.5", "-1", 2.5, -1, 2.5, -1},
        {"b", "", "5", 0, 5, 1e-30, 0},      // empty coefficient: scale 1e-30, offset dropped
        {"c", "0", "5", 0, 5, 1e-30, 0},     // zero coefficient likewise
        {"d", "1e999", "", 0, 0, 1e-30, 0},  // unreadable (out of range) counts as zero
        {"e", "3x", "2,5", 3, 2, 3, 2},      // leading-number reading
        {" ", "7", "7", 1, 0, 1, 0},         // blank name resets the slot
        {"", "", "", 1, 0, 1, 0},
        // clang-format on
    };
    UserTables user;
    for (int j = 0; j < 7; ++j) {
        user.UserUnitName[2][j] = rows[j].name;
        user.UserCoefText[2][j] = rows[j].coef;
        user.UserOffsetText[2][j] = rows[j].offset;
    }
    const Catalogue cat = core::BuildCatalogue(15, 15, user);
    for (int j = 0; j < 7; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(user.UserCoef[2][j], rows[j].userCoef);
        EXPECT_EQ(user.UserOffset[2][j], rows[j].userOffset);
        EXPECT_EQ(cat.AffineScale[3][j], rows[j].scale);
        EXPECT_EQ(cat.AffineOffset[3][j], rows[j].affineOffset);
    }
    EXPECT_EQ(user.UserUnitName[2][5], "");
    EXPECT_EQ(cat.UnitCount[core::pnUserGrpFirst + 2], 5);
}

TEST(CustomGroups, RebuildReplacesTheCustomRowsOnly)
{
    UserTables user = NamedSlots({ 0, 1 });
    Catalogue cat = core::BuildCatalogue(15, 15, user);
    user.UserGrpName[0] = "Renamed";
    user.UserUnitName[0][1] = "";
    user.UserGrpName[19] = "Last";
    user.UserUnitName[19][0] = "x";
    core::BuildCustomGroups(cat, user);
    EXPECT_EQ(cat.GroupName[core::pnUserGrpFirst], "Renamed");
    EXPECT_EQ(cat.UnitName[core::pnUserGrpFirst][1], "");
    EXPECT_EQ(cat.UnitCount[core::pnUserGrpFirst], 1);
    EXPECT_EQ(cat.GroupName[48], "Last");
    EXPECT_EQ(cat.UnitCount[48], 1);
    EXPECT_EQ(cat.GroupName[49], "Bit, Byte");
}

} // namespace
