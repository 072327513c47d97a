#include "core/mOrlo.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr std::int16_t kLength = 0;
constexpr std::int16_t kTemp = core::pnTempGrp;
constexpr std::int16_t kSpeed = core::pnSpeedGrp;
constexpr std::int16_t kCustom = core::pnUserGrpFirst;

struct Row
{
    const char *name;
    std::int16_t group, from, into;
    const char *text;
    const char *result; // nullptr: the result box keeps its text
    std::int16_t figure = 6;
    std::int16_t form = 0;
    std::int16_t warp = 0;
};

core::UserTables CustomTables()
{
    core::UserTables user;
    user.UserGrpName[0] = "Custom";
    const char *rows[][3] = {
        { "base", "1", "" }, { "zero", "0", "5" }, { "shifted", "2", "10" }, { "tiny", "1e-20", "" }
    };
    for (int j = 0; j < 4; ++j) {
        user.UserUnitName[0][j] = rows[j][0];
        user.UserCoefText[0][j] = rows[j][1];
        user.UserOffsetText[0][j] = rows[j][2];
    }
    return user;
}

void ExpectConversions(std::initializer_list<Row> rows)
{
    core::UserTables user = CustomTables();
    const core::Catalogue cat = core::BuildCatalogue(15, 15, user);
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        core::ConvertInput in;
        in.group = r.group;
        in.from = r.from;
        in.into = r.into;
        in.text = r.text;
        in.pnFigure = r.figure;
        in.pnFormFlag = r.form;
        in.WarpIndex = r.warp;
        const auto result = core::Convert(cat, in, [] {});
        if (r.result == nullptr) {
            EXPECT_FALSE(result.has_value());
        } else {
            ASSERT_TRUE(result.has_value());
            EXPECT_EQ(*result, r.result);
        }
    }
}

TEST(Convert, LinearGroups)
{
    ExpectConversions({
        { "mile into meter", kLength, 6, 0, "1", "1609.34" },
        { "inch into centimeter", kLength, 3, 1, "1", "2.54000" },
        { "scientific format", kLength, 6, 0, "1", "1.60934E+03", 6, 1 },
        { "integer setting", kLength, 6, 0, "1", "1609", 7 },
        { "integer keeps the sign of a small negative", kLength, 0, 0, "-0.4", "-0", 7 },
        { "ten figures", kLength, 6, 0, "1", "1609.344000", 10 },
        { "empty input is zero", kLength, 0, 1, "", "0.00000E+00" },
        { "blanks and exponent", kLength, 0, 1, " 1e-3 ", "0.100000" },
        { "partly typed exponent converts the mantissa", kLength, 0, 1, "1e", "100.000" },
        { "lone sign converts as zero", kLength, 0, 1, "-", "0.00000E+00" },
        { "comma stops the reading", kLength, 0, 1, "1,5", "100.000" },
        { "negative value", kLength, 0, 2, "-2.5", "-2500.00" },
        { "light years into femtometers", kLength, 11, 14, "1", "9.46073E+30" },
        { "metric prefixes", 28, 1, 39, "1", "1.00000E+112" },
    });
}

TEST(Convert, FormatBoundsAreInclusive)
{
    ExpectConversions({
        { "exactly 1e6 regular", kLength, 0, 0, "1000000", "1000000.000", 10 },
        { "exactly 1e6 integer", kLength, 0, 0, "1000000", "1000000", 7 },
        { "exactly 1e-6", kLength, 0, 0, "0.000001", "0.00000100000" },
        { "exactly 1e-6 integer", kLength, 0, 0, "1e-6", "0", 7 },
        { "just above 1e6", kLength, 0, 0, "1000000.1", "1.000000100E+06", 10 },
        { "just below 1e-6", kLength, 0, 0, "0.00000099", "9.900000000E-07", 10 },
        { "integer setting outside shows seven figures", kLength, 0, 0, "1234567", "1.234567E+06", 7 },
        { "negative bound", kLength, 0, 0, "-1000000", "-1000000.000", 10 },
    });
}

TEST(Convert, Temperature)
{
    ExpectConversions({
        { "100 C into F", kTemp, 1, 2, "100", "212.000" },
        { "32 F into C is cleaned to zero", kTemp, 2, 1, "32", "0.00000E+00" },
        { "0 C into F", kTemp, 1, 2, "0", "32.0000" },
        { "empty C into F", kTemp, 1, 2, "", "32.0000" },
        { "K into R", kTemp, 0, 3, "1", "1.80000" },
        { "-40 C into F", kTemp, 1, 2, "-40", "-40.0000" },
        { "nothing selected in Into", kTemp, 1, -1, "1", "Input error" },
        { "nothing selected in From", kTemp, -1, 1, "1", "Input error" },
        { "slot past the row", kTemp, 0, 11, "1", "Input error" },
        { "slot with zero scale divides by zero", kTemp, 0, 5, "1", "Input error" },
    });
}

TEST(Convert, CustomOffsetAndScale)
{
    ExpectConversions({
        { "into a zero coefficient", kCustom, 0, 1, "1", "1.00000E+30" },
        { "from a zero coefficient ignores its offset", kCustom, 1, 0, "1", "1.00000E-30" },
        { "offset then scale", kCustom, 2, 0, "5", "30.0000" },
        { "and back", kCustom, 0, 2, "30", "5.00000" },
        { "tiny results stay outside Temperature", kCustom, 3, 0, "1", "1.00000E-20" },
        { "overflow", kCustom, 0, 1, "1e300", "Input error" },
    });
}

TEST(Convert, Warp)
{
    ExpectConversions({
        { "warp 1 into c", kSpeed, 19, 9, "1", "1.00000" },
        { "warp 1 into m/s", kSpeed, 19, 0, "1", "2.99792E+08" },
        { "warp 9.9999 into c", kSpeed, 19, 9, "9.9999", "199516", 6, 0, 13 },
        { "typed value plays no part", kSpeed, 19, 9, "123", "3053.00", 6, 0, 11 },
        { "typed value is still checked", kSpeed, 19, 9, "abc", "Input error" },
        { "nothing selected in Into gives an empty result", kSpeed, 19, -1, "1", "" },
        { "Warp as Into has no factor", kSpeed, 0, 19, "1", "Input error" },
        { "warp index outside the table", kSpeed, 19, 9, "1", "Input error", 6, 0, 14 },
    });
}

TEST(Convert, Failures)
{
    ExpectConversions({
        { "letters", kLength, 0, 1, "abc", "Input error" },
        { "sign before letters", kLength, 0, 1, "-abc", "Input error" },
        { "nothing selected in Into", kLength, 0, -1, "1", "Input error" },
        { "nothing selected in From", kLength, -1, 0, "1", "Input error" },
        { "unit past the row", kLength, 0, 41, "1", "Input error" },
        { "unit with factor zero", kLength, 0, 30, "1", "Input error" },
        { "overflow", kLength, 11, 14, "1e300", "Input error" },
        { "beyond the double range behind a comma", kLength, 0, 1, "1e999,", "Input error" },
        { "group outside the catalogue", 60, 0, 0, "1", "Input error" },
        { "negative group", -1, 0, 0, "1", "Input error" },
    });
}

TEST(Convert, NumberSystemGroup)
{
    ExpectConversions({
        { "decimal into hexadecimal", core::pnNumSysGrp, 0, 3, "255", "FF" },
        { "figures play no part", core::pnNumSysGrp, 0, 2, "255", "377", 4, 1 },
        { "the check is ignored, the digits decide", core::pnNumSysGrp, 3, 0, "ff", "255" },
        { "decimal into decimal keeps the text", core::pnNumSysGrp, 0, 0, "255", nullptr },
        { "comma", core::pnNumSysGrp, 0, 1, "1,5", "Input error" },
    });
}

TEST(Convert, CommaNoticeOncePerRun)
{
    core::UserTables user;
    const core::Catalogue cat = core::BuildCatalogue(15, 15, user);
    int notices = 0;
    core::ConvertInput in;
    in.group = kLength;
    in.from = 0;
    in.into = 1;
    in.text = "2,5";
    EXPECT_EQ(core::Convert(cat, in, [&notices] { ++notices; }), "200.000");
    EXPECT_EQ(notices, 1);
    in.text = "2.5";
    EXPECT_EQ(core::Convert(cat, in, [&notices] { ++notices; }), "250.000");
    EXPECT_EQ(notices, 1);
}

TEST(Convert, GraphicsPixelsFollowTheScreen)
{
    core::UserTables user;
    const core::Catalogue cat = core::BuildCatalogue(12, 20, user);
    core::ConvertInput in;
    in.group = 51;
    in.from = 8;
    in.text = "1";
    in.into = 1;
    EXPECT_EQ(core::Convert(cat, in, {}), "120.000");
    in.into = 2;
    EXPECT_EQ(core::Convert(cat, in, {}), "72.0000");
}

} // namespace
