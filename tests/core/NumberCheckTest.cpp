#include "core/mOrlo.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

TEST(Val, ReadsTheLeadingNumber)
{
    const std::pair<const char *, double> rows[] = {
        // clang-format off
        {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"e5", 0}, {" - 5", 0}, {"0x10", 0},
        {"  12.5abc", 12.5}, {"\t7", 7}, {"-3", -3}, {"+4", 4}, {".5", 0.5}, {"5.", 5}, {"1.2.3", 1.2},
        {"1,5", 1}, {"1 2", 1}, {"1e", 1}, {"1e+", 1}, {"2E-x", 2}, {"1e3", 1000}, {"1E-2", 0.01},
        {"1e308", 1e308}, {"1e-400", 0}, {"100000e-330", 0}, {"0e99999", 0}, {"0.001e310", 1e307},
        {"4.9e-324", std::numeric_limits<double>::denorm_min()},
        // clang-format on
    };
    for (const auto &[text, value] : rows) {
        const auto v = core::Val(text);
        ASSERT_TRUE(v.has_value()) << text;
        EXPECT_EQ(*v, value) << text;
    }
}

TEST(Val, BeyondTheDoubleRangeIsNoNumber)
{
    const std::string hugeDigits = "1" + std::string(400, '0');
    for (std::string_view text : { "1e309", "-1e400", "0.001e312", "1e99999999999999999999", "  2e308xyz" })
        EXPECT_FALSE(core::Val(text).has_value()) << text;
    EXPECT_FALSE(core::Val(hugeDigits).has_value());
}

void ExpectChecks(std::int16_t expected, std::initializer_list<const char *> texts)
{
    for (const char *text : texts) {
        int notices = 0;
        EXPECT_EQ(core::InvalidNumCheck(text, [&notices] { ++notices; }), expected) << '"' << text << '"';
        EXPECT_EQ(notices, 0) << text;
    }
}

// clang-format off
TEST(InvalidNumCheck, AcceptsNumbersAndPartlyTypedNumbers)
{
    ExpectChecks(0, {"", "12.5", ".5", "5.", "1e3", "1.5E-7", " 12 ", "\t3\t", "0012", "-0", "+7", "1e-999",
                     "-", "+", "-5", "-5e", "+.5E-", "1e", "2E+", "2e", "2E", "2e-", "1e-", "  -5e"});
}

TEST(InvalidNumCheck, RejectsWhatIsNoNumber)
{
    ExpectChecks(1, {"abc", "1.2.3", "12a", "a12", "inf", "nan", "-inf", "0x10", "1d5", "1 2", "1e999", ".",
                     "   ", "e+", ".e", "-.", "1e 5", "1e5 e"});
}

// A sign or a trailing exponent mark once let any text through: "-abc" converted as 0.
TEST(InvalidNumCheck, SignOrExponentMarkNoLongerHideGarbage)
{
    ExpectChecks(1, {"-abc", "--5", "- 5", "+5x", "abce", "e", "1ee", "1e5e", "xe-", "+e", "1e+5e+", "5e "});
}
// clang-format on

TEST(InvalidNumCheck, CommaIsAcceptedWithOneNotice)
{
    for (const char *text : { "1,5", "abc,def", "," }) {
        int notices = 0;
        EXPECT_EQ(core::InvalidNumCheck(text, [&notices] { ++notices; }), 0) << text;
        EXPECT_EQ(notices, 1) << text;
    }
    EXPECT_EQ(core::InvalidNumCheck("1,5", core::CommaNotice()), 0);
}

} // namespace
