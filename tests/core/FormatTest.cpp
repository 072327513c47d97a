#include "core/mOrlo.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace {

struct Row
{
    double value;
    std::int16_t figures;
    const char *text;
};

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

// clang-format off
const Row kTrimRows[] = {
    {123456, 6, "123456"}, {123456, 4, "1.235E+05"}, {0.000123456, 6, "0.000123456"},
    {1000000, 10, "1000000.000"}, {1609.344, 6, "1609.34"}, {212, 6, "212.000"},
    {211.99999999999994, 6, "212.000"}, {-1609.344, 6, "-1609.34"}, {-0.00001234, 4, "-0.00001234"},
    {0.5, 4, "0.5000"}, {1e-6, 4, "0.000001000"}, {1234567890, 10, "1234567890"}, {0, 6, "0.00000"},
    {-0.0, 4, "0.000"},
    // Rounded from the exact binary value: these doubles lie just below the half.
    {273.15, 4, "273.1"}, {9.995, 3, "9.99"},
    // True halves go to the even neighbour.
    {0.125, 2, "0.12"}, {0.375, 2, "0.38"},
    // The exponent is that of the value rounded to the requested figures, not to three.
    {9.996, 4, "9.996"}, {999.6, 6, "999.600"}, {999727, 6, "999727"}, {999999.7, 6, "1.00000E+06"},
    {999.6, 3, "1.00E+03"}, {9.996, 3, "10.0"}, {99.97, 3, "100"}, {0.0009996, 3, "0.00100"},
};

const Row kExpRows[] = {
    {0, 6, "0.00000E+00"}, {-0.0, 6, "0.00000E+00"}, {-12345678, 4, "-1.235E+07"},
    {1e100, 4, "1.000E+100"}, {1e-300, 6, "1.00000E-300"}, {299792458, 6, "2.99792E+08"},
    {123456789, 10, "1.234567890E+08"}, {1234567, 7, "1.234567E+06"}, {9.9999996, 6, "1.00000E+01"},
    {kMax, 4, "1.798E+308"}, {kTiny, 4, "4.941E-324"}, {5, 1, "5.E+00"},
};
// clang-format on

TEST(Formatting, TrimFigures)
{
    for (const Row &r : kTrimRows)
        EXPECT_EQ(core::TrimFigures(r.value, r.figures), r.text) << r.value << " @" << r.figures;
}

TEST(Formatting, ExpressAsExp)
{
    for (const Row &r : kExpRows)
        EXPECT_EQ(core::ExpressAsExp(r.value, r.figures), r.text) << r.value << " @" << r.figures;
}

TEST(Formatting, FormatIntegerRoundsHalvesToEven)
{
    // clang-format off
    const std::pair<double, const char *> rows[] = {
        {1609.344, "1609"}, {0.4, "0"}, {-0.4, "-0"}, {-0.0, "0"}, {2.5, "2"}, {3.5, "4"}, {-1.5, "-2"},
        {999999.5, "1000000"}, {1e6, "1000000"}, {1e20, "100000000000000000000"},
    };
    // clang-format on
    for (const auto &[value, text] : rows)
        EXPECT_EQ(core::FormatInteger(value), text) << value;
    EXPECT_EQ(core::FormatInteger(kMax).size(), 309u);
}

// Cross-check against a second route: the exponent of the rounded figures, then fixed notation
// with the decimals that leaves. Both must round at the same figure.
TEST(Formatting, TrimFiguresAgreesWithFixedNotationOverManyValues)
{
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-7, 6);
    int compared = 0;
    for (int i = 0; i < 20000; ++i) {
        const double d = (i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random));
        for (std::int16_t figures : { 4, 6, 8, 10 }) {
            char text[64];
            auto end = std::to_chars(text, text + 64, d, std::chars_format::scientific, figures - 1).ptr;
            const char *mark = std::find(text, end, 'e') + 1;
            int nExp = 0;
            std::from_chars(mark + (*mark == '+'), end, nExp);
            if (figures < nExp + 1)
                continue;
            end = std::to_chars(text, text + 64, d, std::chars_format::fixed, figures - nExp - 1).ptr;
            ASSERT_EQ(core::TrimFigures(d, figures), std::string(text, end)) << d << " @" << figures;
            ++compared;
        }
    }
    EXPECT_GT(compared, 50000);
}

TEST(Formatting, NoInfinityOrNaNIsFormatted)
{
    for (double d : { std::numeric_limits<double>::infinity(), -kMax * 2, std::nan("") }) {
        EXPECT_EQ(core::TrimFigures(d, 6), core::kInputError);
        EXPECT_EQ(core::ExpressAsExp(d, 6), core::kInputError);
        EXPECT_EQ(core::FormatInteger(d), core::kInputError);
    }
}

TEST(Formatting, ExtremeFigureCountsStayBounded)
{
    EXPECT_EQ(core::TrimFigures(1.5, 0), "2");
    EXPECT_EQ(core::ExpressAsExp(1.5, -3), "2.E+00");
    // Figures are capped at 30: "0.", 323 zeros, then 30 digits of 4.94...E-324.
    const std::string tiny = core::TrimFigures(kTiny, 32767);
    EXPECT_EQ(tiny.size(), 2u + 323u + 30u);
    EXPECT_EQ(tiny.substr(322, 6), "000494");
}

TEST(Formatting, CommaToPeriodReplacesTheFirstCommaOnly)
{
    const std::pair<const char *, const char *> rows[] = {
        { "1,5", "1.5" }, { "1,5,6", "1.5,6" }, { "abc", "abc" }, { "", "" }, { ",", "." }
    };
    for (const auto &[in, out] : rows)
        EXPECT_EQ(core::CommaToPeriod(in), out) << in;
}

} // namespace
