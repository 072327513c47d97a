#include "core/mOrlo.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr std::int16_t kLen = 0;
constexpr std::int16_t kTemp = core::pnTempGrp;
constexpr std::int16_t kSpeed = core::pnSpeedGrp;
constexpr std::int16_t kUser = core::pnUserGrpFirst;
constexpr std::int16_t kNum = core::pnNumSysGrp;
const char *const kError = "Input error";
const char *const kKeep = nullptr; // the result box keeps its text

struct Row
{
    const char *name;
    std::int16_t group, from, into;
    const char *text;
    const char *result;
    std::int16_t figure = 6, form = 0, warp = 0;
};

void ExpectConversions(std::initializer_list<Row> rows, std::int16_t tppx = 15, std::int16_t tppy = 15)
{
    // Custom group 0: base, zero coefficient with an offset, offset-and-scale, tiny coefficient.
    core::UserTables user;
    const char *units[][3] = {
        { "base", "1", "" }, { "zero", "0", "5" }, { "shifted", "2", "10" }, { "tiny", "1e-20", "" }
    };
    for (int j = 0; j < 4; ++j) {
        user.UserUnitName[0][j] = units[j][0];
        user.UserCoefText[0][j] = units[j][1];
        user.UserOffsetText[0][j] = units[j][2];
    }
    const core::Catalogue cat = core::BuildCatalogue(tppx, tppy, user);
    for (const Row &r : rows) {
        const core::ConvertInput in { r.group, r.from, r.into, r.text, r.figure, r.form, r.warp };
        const auto result = core::Convert(cat, in, [] {});
        EXPECT_EQ(result.has_value(), r.result != nullptr) << r.name;
        if (result && r.result) {
            EXPECT_EQ(*result, r.result) << r.name;
        }
    }
}

// clang-format off
TEST(Convert, LinearGroups)
{
    ExpectConversions({
        {"mile into meter", kLen, 6, 0, "1", "1609.34"},
        {"inch into centimeter", kLen, 3, 1, "1", "2.54000"},
        {"scientific format", kLen, 6, 0, "1", "1.60934E+03", 6, 1},
        {"integer setting", kLen, 6, 0, "1", "1609", 7},
        {"integer keeps the sign of a small negative", kLen, 0, 0, "-0.4", "-0", 7},
        {"ten figures", kLen, 6, 0, "1", "1609.344000", 10},
        {"empty input is zero", kLen, 0, 1, "", "0.00000E+00"},
        {"blanks around an exponent", kLen, 0, 1, " 1e-3 ", "0.100000"},
        {"partly typed exponent converts the mantissa", kLen, 0, 1, "1e", "100.000"},
        {"lone sign converts as zero", kLen, 0, 1, "-", "0.00000E+00"},
        {"comma stops the reading", kLen, 0, 1, "1,5", "100.000"},
        {"negative value", kLen, 0, 2, "-2.5", "-2500.00"},
        {"metric prefixes", 28, 1, 39, "1", "1.00000E+112"},
        {"pixels follow the screen", 51, 8, 1, "1", "120.000"},
        {"pixels in Y", 51, 8, 2, "1", "72.0000"},
    }, 12, 20);
}

TEST(Convert, FormatBoundsAreInclusive)
{
    ExpectConversions({
        {"exactly 1e6", kLen, 0, 0, "1000000", "1000000.000", 10},
        {"exactly 1e6 integer", kLen, 0, 0, "1000000", "1000000", 7},
        {"exactly 1e-6", kLen, 0, 0, "0.000001", "0.00000100000"},
        {"exactly -1e-6 integer", kLen, 0, 0, "-1e-6", "-0", 7},
        {"just above 1e6", kLen, 0, 0, "1000000.1", "1.000000100E+06", 10},
        {"just below 1e-6", kLen, 0, 0, "0.00000099", "9.900000000E-07", 10},
        {"integer setting outside shows seven figures", kLen, 0, 0, "1234567", "1.234567E+06", 7},
    });
}

TEST(Convert, OffsetAndScale)
{
    ExpectConversions({
        {"100 C into F", kTemp, 1, 2, "100", "212.000"},
        {"32 F into C is cleaned to zero", kTemp, 2, 1, "32", "0.00000E+00"},
        {"0 C into F", kTemp, 1, 2, "0", "32.0000"},
        {"K into R", kTemp, 0, 3, "1", "1.80000"},
        {"nothing selected in Into", kTemp, 1, -1, "1", kError},
        {"nothing selected in From", kTemp, -1, 1, "1", kError},
        {"slot past the row", kTemp, 0, 11, "1", kError},
        {"slot with zero scale divides by zero", kTemp, 0, 5, "1", kError},
        {"custom: into a zero coefficient", kUser, 0, 1, "1", "1.00000E+30"},
        {"custom: from a zero coefficient ignores its offset", kUser, 1, 0, "1", "1.00000E-30"},
        {"custom: offset then scale", kUser, 2, 0, "5", "30.0000"},
        {"custom: and back", kUser, 0, 2, "30", "5.00000"},
        {"custom: tiny results are kept outside Temperature", kUser, 3, 0, "1", "1.00000E-20"},
        {"custom: overflow", kUser, 0, 1, "1e300", kError},
    });
}

TEST(Convert, Warp)
{
    ExpectConversions({
        {"warp 1 into c", kSpeed, 19, 9, "1", "1.00000"},
        {"warp 1 into m/s", kSpeed, 19, 0, "1", "2.99792E+08"},
        {"warp 9.9999 into c", kSpeed, 19, 9, "9.9999", "199516", 6, 0, 13},
        {"typed value plays no part", kSpeed, 19, 9, "123", "3053.00", 6, 0, 11},
        {"typed value is still checked", kSpeed, 19, 9, "abc", kError},
        {"nothing selected in Into gives an empty result", kSpeed, 19, -1, "1", ""},
        {"Warp as Into has no factor", kSpeed, 0, 19, "1", kError},
        {"warp index outside the table", kSpeed, 19, 9, "1", kError, 6, 0, 14},
    });
}

TEST(Convert, FailuresAndNumberSystems)
{
    ExpectConversions({
        {"letters", kLen, 0, 1, "abc", kError},
        {"sign before letters", kLen, 0, 1, "-abc", kError},
        {"nothing selected in Into", kLen, 0, -1, "1", kError},
        {"nothing selected in From", kLen, -1, 0, "1", kError},
        {"unit past the row", kLen, 0, 41, "1", kError},
        {"unit with factor zero", kLen, 0, 30, "1", kError},
        {"overflow", kLen, 11, 14, "1e300", kError},
        {"beyond the double range behind a comma", kLen, 0, 1, "1e999,", kError},
        {"group outside the catalogue", 60, 0, 0, "1", kError},
        {"negative group", -1, 0, 0, "1", kError},
        {"decimal into hexadecimal", kNum, 0, 3, "255", "FF"},
        {"figures play no part", kNum, 0, 2, "255", "377", 4, 1},
        {"digits decide, not the check", kNum, 3, 0, "ff", "255"},
        {"decimal into decimal keeps the text", kNum, 0, 0, "255", kKeep},
        {"comma", kNum, 0, 1, "1,5", kError},
    });
}
// clang-format on

TEST(Convert, CommaNoticeOncePerRun)
{
    core::UserTables user;
    const core::Catalogue cat = core::BuildCatalogue(15, 15, user);
    int notices = 0;
    const auto count = [&notices] { ++notices; };
    EXPECT_EQ(core::Convert(cat, { kLen, 0, 1, "2,5" }, count), "200.000");
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(core::Convert(cat, { kLen, 0, 1, "2.5" }, count), "250.000");
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(core::Convert(cat, { kNum, 0, 3, "1,5" }, count), kError);
    EXPECT_EQ(notices, 2);
}

} // namespace
