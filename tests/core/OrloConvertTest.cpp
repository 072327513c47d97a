#include "tools/Cli.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Serves standard input in small pieces, so lines are split across reads.
class FakeIo final : public cli::Io
{
public:
    explicit FakeIo(std::string input, std::size_t piece = 3)
        : m_input(std::move(input))
        , m_piece(piece)
    { }
    std::ptrdiff_t Read(char *buffer, std::size_t size) override
    {
        const std::size_t n = std::min({ size, m_piece, m_input.size() - m_pos });
        std::memcpy(buffer, m_input.data() + m_pos, n);
        m_pos += n;
        return static_cast<std::ptrdiff_t>(n);
    }
    void Out(std::string_view text) override { out += text; }
    void Err(std::string_view text) override { err += text; }

    std::string out;
    std::string err;

private:
    std::string m_input;
    std::size_t m_piece;
    std::size_t m_pos = 0;
};

struct Outcome
{
    int status;
    std::string out;
    std::string err;
};

Outcome RunWith(std::vector<std::string_view> args, std::string input = {}, core::UserTables user = {})
{
    FakeIo io(std::move(input));
    const int status = cli::Run(args, user, io);
    return { status, io.out, io.err };
}

// clang-format off
TEST(OrloConvert, SingleValues)
{
    const struct
    {
        std::vector<std::string_view> args;
        const char *out;
        int status;
    } rows[] = {
        {{"Length", "mi", "m", "1"}, "1609.34\n", 0},
        {{"0", "6", "0", "1"}, "1609.34\n", 0},
        {{"temp", "°C: deg Celsius", "°F", "100"}, "212.000\n", 0},
        {{"--figures", "10", "Length", "in", "cm", "1"}, "2.540000000\n", 0},
        {{"--figures=integer", "Length", "mi", "m", "1"}, "1609\n", 0},
        {{"--scientific", "Length", "mi", "m", "1"}, "1.60934E+03\n", 0},
        {{"Length", "m", "cm", "-5"}, "-500.000\n", 0},
        {{"Length", "m", "cm", "--", "--5"}, "Input error\n", 1},
        {{"Length", "m", "cm", "abc"}, "Input error\n", 1},
        {{"Length", "m", "cm", ""}, "0.00000E+00\n", 0},
        {{"--warp", "13", "Velocity", "Warp", "c", "1"}, "199516\n", 0},
        {{"velocity", "warp", "m/s", "1"}, "2.99792E+08\n", 0},
        {{"Number System", "Decimal", "Decimal", "255"}, "\n", 0},
        {{"number", "hex", "dec", "ff"}, "255\n", 0},
        {{"--dpi", "120", "Graphics Units", "in: inch", "pixel (X)", "1"}, "120.000\n", 0},
        {{"--dpi=72", "graphics", "in", "pixel (Y)", "1"}, "72.0000\n", 0},
        {{"Work", "MW", "mW", "1"}, "1.00000E+09\n", 0},
        {{"Volume", "cm³, cc", "L", "1000"}, "1.00000\n", 0},
        {{"Length", "li [ri]", "m", "1"}, "3927.27\n", 0}, // also a prefix of "li [rin]"
    };
    for (const auto &r : rows) {
        const Outcome o = RunWith(r.args);
        EXPECT_EQ(o.out, r.out) << r.args[0] << " " << r.args[1] << " " << o.err;
        EXPECT_EQ(o.status, r.status) << r.args[0] << " " << r.args[1];
    }
}
// clang-format on

TEST(OrloConvert, FilterConvertsEveryLineAsTyped)
{
    const Outcome o = RunWith({ "Length", "in", "cm" }, "1\r\n2\n\n 3 \nx\n1,5\n4");
    EXPECT_EQ(o.out, "2.54000\n5.08000\n0.00000E+00\n7.62000\nInput error\n2.54000\n10.1600\n");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, std::string(core::kCommaMessage) + "\n");
}

TEST(OrloConvert, FilterEndsCleanly)
{
    EXPECT_EQ(RunWith({ "Length", "in", "cm" }, "").out, "");
    const Outcome o = RunWith({ "Length", "in", "cm" }, "1\n\r\n");
    EXPECT_EQ(o.out, "2.54000\n0.00000E+00\n");
    EXPECT_EQ(o.status, 0);
    // Only the line end goes: a lone carriage return inside a line stays and is no number.
    EXPECT_EQ(RunWith({ "Length", "in", "cm" }, "1\r\r\n").out, "Input error\n");
}

TEST(OrloConvert, UsageErrorsWriteNothingToStandardOutput)
{
    // clang-format off
    const std::vector<std::vector<std::string_view>> cases = {
        {}, {"Length", "m"}, {"Length", "m", "cm", "1", "2"}, {"Nonsense", "m", "cm", "1"}, {"52", "0", "0", "1"},
        {"29", "0", "0", "1"}, {"Length", "26", "0", "1"}, {"Volume", "gal", "L", "1"}, {"Work", "mw", "W", "1"},
        {"Velocity", "m/s", "Warp", "1"}, {"--figures", "5", "Length", "m", "cm", "1"}, {"--figures"},
        {"--warp", "14", "Length", "m", "cm", "1"}, {"--dpi", "0", "Length", "m", "cm", "1"},
        {"--dpi", "2880", "Length", "m", "cm", "1"}, {"--frobnicate", "Length", "m", "cm", "1"},
        {"--list", "Length", "Mass"},
    };
    // clang-format on
    for (const auto &args : cases) {
        const Outcome o = RunWith(args, "1\n");
        EXPECT_EQ(o.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err, "");
    }
}

TEST(OrloConvert, AmbiguousNamesListTheCandidates)
{
    const Outcome o = RunWith({ "Volume", "gal", "L", "1" });
    EXPECT_NE(o.err.find("7  gal: gallon (US)"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("18  gal: gallon (UK)"), std::string::npos) << o.err;
    EXPECT_EQ(o.err.find("L: liter"), std::string::npos) << o.err;
}

TEST(OrloConvert, Lists)
{
    const Outcome groups = RunWith({ "--list" });
    EXPECT_EQ(groups.status, 0);
    EXPECT_NE(groups.out.find("  9  Velocity, Speed\n"), std::string::npos);
    EXPECT_NE(groups.out.find("  51  Graphics Units\n"), std::string::npos);
    EXPECT_EQ(groups.out.find("  29  "), std::string::npos);
    EXPECT_EQ(std::count(groups.out.begin(), groups.out.end(), '\n'), 32);

    const Outcome units = RunWith({ "--list", "angle" });
    EXPECT_EQ(units.out, "  0  rad: radian\n  1  °: degree\n  2  ': minute\n  3  \": Second \n");

    core::UserTables user;
    user.UserGrpName[2] = "Mine";
    user.UserUnitName[2][1] = "thing";
    user.UserCoefText[2][1] = "2";
    EXPECT_NE(RunWith({ "--list" }, {}, user).out.find("  31  Mine\n"), std::string::npos);
    EXPECT_EQ(RunWith({ "Mine", "thing", "0", "3" }, {}, user).out, "6.00000\n");
    // Labels that differ in case only: the exact one wins, a case-blind match is ambiguous.
    user.UserUnitName[2][2] = "AB";
    user.UserUnitName[2][3] = "ab";
    user.UserCoefText[2][3] = "4";
    EXPECT_EQ(RunWith({ "Mine", "ab", "thing", "1" }, {}, user).out, "2.00000\n");
    EXPECT_EQ(RunWith({ "Mine", "Ab", "thing", "1" }, {}, user).status, 2);
}

TEST(OrloConvert, HelpGoesToStandardOutput)
{
    const Outcome o = RunWith({ "--help" });
    EXPECT_EQ(o.status, 0);
    EXPECT_NE(o.out.find("Usage: orlo-convert"), std::string::npos);
    EXPECT_NE(o.out.find("13 = Warp 9.9999"), std::string::npos);
    EXPECT_EQ(o.err, "");
}

} // namespace
