#include "core/mOrlo.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

TEST(Val, ReadsTheLeadingNumber)
{
    struct Row
    {
        const char *text;
        double value;
    };
    const Row rows[] = {
        { "", 0 },
        { "abc", 0 },
        { "-", 0 },
        { ".", 0 },
        { "e5", 0 },
        { " - 5", 0 },
        { "0x10", 0 },
        { "  12.5abc", 12.5 },
        { "\t7", 7 },
        { "-3", -3 },
        { "+4", 4 },
        { ".5", 0.5 },
        { "5.", 5 },
        { "1.2.3", 1.2 },
        { "1,5", 1 },
        { "1 2", 1 },
        { "1e", 1 },
        { "1e+", 1 },
        { "2E-x", 2 },
        { "1e3", 1000 },
        { "1E-2", 0.01 },
        { "1e308", 1e308 },
        { "1e-400", 0 },
        { "100000e-330", 0 },
        { "0e99999", 0 },
        { "0.001e310", 1e307 },
        { "4.9e-324", std::numeric_limits<double>::denorm_min() },
    };
    for (const Row &r : rows) {
        const auto v = core::Val(r.text);
        ASSERT_TRUE(v.has_value()) << r.text;
        EXPECT_EQ(*v, r.value) << r.text;
    }
}

TEST(Val, BeyondTheDoubleRangeIsNoNumber)
{
    const std::string hugeDigits = "1" + std::string(400, '0');
    for (const std::string &text : { std::string("1e309"),
             std::string("-1e400"),
             std::string("0.001e312"),
             hugeDigits,
             std::string("1e99999999999999999999"),
             std::string("  2e308xyz") })
        EXPECT_FALSE(core::Val(text).has_value()) << text;
}

struct CheckRow
{
    const char *text;
    int result;
};

void ExpectChecks(std::initializer_list<CheckRow> rows)
{
    for (const CheckRow &r : rows) {
        int notices = 0;
        EXPECT_EQ(core::InvalidNumCheck(r.text, [&notices] { ++notices; }), r.result) << '"' << r.text << '"';
        EXPECT_EQ(notices, 0) << r.text;
    }
}

TEST(InvalidNumCheck, AcceptsNumbersAndPartlyTypedNumbers)
{
    ExpectChecks({
        { "", 0 },
        { "12.5", 0 },
        { ".5", 0 },
        { "5.", 0 },
        { "1e3", 0 },
        { "1.5E-7", 0 },
        { " 12 ", 0 },
        { "-0", 0 },
        { "+7", 0 },
        { "-", 0 },
        { "+", 0 },
        { "-5", 0 },
        { "-5e", 0 },
        { "+.5E-", 0 },
        { "1e", 0 },
        { "2E+", 0 },
        { "2e", 0 },
        { "2E", 0 },
        { "2e-", 0 },
        { "  -5e", 0 },
        { "1e-999", 0 },
        { "\t3\t", 0 },
        { "0012", 0 },
    });
}

TEST(InvalidNumCheck, RejectsWhatIsNoNumber)
{
    ExpectChecks({
        { "abc", 1 },
        { "1.2.3", 1 },
        { "12a", 1 },
        { "a12", 1 },
        { "inf", 1 },
        { "nan", 1 },
        { "-inf", 1 },
        { "0x10", 1 },
        { "1d5", 1 },
        { "1 2", 1 },
        { "1e999", 1 },
        { ".", 1 },
        { "   ", 1 },
        { "e+", 1 },
        { ".e", 1 },
        { "-.", 1 },
        { "1e 5", 1 },
        { "1e5 e", 1 },
    });
}

// A sign or a trailing exponent mark once let any text through: "-abc" converted as 0.
TEST(InvalidNumCheck, SignOrExponentMarkNoLongerHideGarbage)
{
    ExpectChecks({
        { "-abc", 1 },
        { "--5", 1 },
        { "- 5", 1 },
        { "+5x", 1 },
        { "abce", 1 },
        { "e", 1 },
        { "1ee", 1 },
        { "1e5e", 1 },
        { "xe-", 1 },
        { "+e", 1 },
        { "1e+5e+", 1 },
        { "5e ", 1 },
    });
}

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
