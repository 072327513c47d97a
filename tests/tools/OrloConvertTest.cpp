// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "support/CaseTable.h"
#include "tools/Cli.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Serves standard input three bytes at a time, so lines are split across reads.
class FakeIo final : public cli::Io
{
public:
    explicit FakeIo(std::string input)
        : m_input(std::move(input))
    { }
    std::ptrdiff_t Read(char *buffer, std::size_t size) override
    {
        const std::size_t n = std::min({ size, std::size_t(3), m_input.size() - m_pos });
        std::memcpy(buffer, m_input.data() + m_pos, n);
        m_pos += n;
        return std::ptrdiff_t(n);
    }
    int Out(std::string_view text) override
    {
        out += text;
        return 0;
    }
    void Err(std::string_view text) override { err += text; }
    bool InputIsTerminal() const override { return terminal; }

    bool terminal = false;
    int status = 0;
    std::string out, err;

private:
    std::string m_input;
    std::size_t m_pos = 0;
};

// Write failures are the program's own test (orlo_convert_io.sh writes to /dev/full).
FakeIo Cli(std::vector<std::string_view> args, std::string input = {}, core::UserTables user = {})
{
    FakeIo io(std::move(input));
    io.status = cli::Run(args, user, io);
    return io;
}

TEST(OrloConvert, ValuesQueriesAndUsageErrors)
{
    for (const cases::Case &c : cases::Read("core/cli.txt")) {
        SCOPED_TRACE(c.where());
        const std::vector<std::string> args = c.from("arguments");
        const FakeIo o = Cli({ args.begin(), args.end() }, "1\n");
        EXPECT_EQ(o.status, std::stoi(c["status"])) << o.err;
        EXPECT_EQ(o.out, o.status == 2 || c["output"] == "-" ? "" : c["output"] + "\n");
        if (c["stderr"].empty())
            EXPECT_EQ(o.err.empty(), o.status != 2) << o.err;
        else
            EXPECT_NE(o.err.find(c["stderr"]), std::string::npos) << o.err;
    }
}

// Only the line end (LF or CR LF) goes: a lone carriage return inside a line stays and is no number.
TEST(OrloConvert, FilterConvertsEveryLineAsTyped)
{
    // clang-format off
    const std::tuple<std::string, std::string, int> rows[] = {
        { "1\r\n2\n\n 3 \nx\n1,5\n4",
          "2.54000\n5.08000\n0.00000E+00\n7.62000\nInput error\n2.54000\n10.1600\n", 1 },
        { "1\n\r\n", "2.54000\n0.00000E+00\n", 0 }, { "", "", 2 }, { "1\r\r\n", "Input error\n", 1 } };
    // clang-format on
    for (const auto &[in, out, status] : rows) {
        const FakeIo o = Cli({ "Length", "in", "cm" }, in);
        EXPECT_EQ(std::tuple(o.out, o.status), std::tuple(out, status)) << in;
    }
    EXPECT_EQ(Cli({ "Length", "in", "cm" }, "1,5\n").err,
        std::string(core::kCommaMessage) + " \"1,5\" was read as \"1\".\n");
}

// A query typed as one argument or as separate words answers alike, for every everyday question.
TEST(OrloConvert, JoinedAndSplitQueriesAgree)
{
    for (const cases::Case &c : cases::Read("core/queries.txt")) {
        SCOPED_TRACE(c.where());
        const std::string &text = c["query"];
        std::vector<std::string> words;
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t blank = std::min(text.find(' ', i), text.size());
            if (blank > i)
                words.push_back(text.substr(i, blank - i));
            i = blank + 1;
        }
        if (words.empty())
            continue;
        const FakeIo joined = Cli({ text });
        const FakeIo split = Cli({ words.begin(), words.end() });
        EXPECT_EQ(std::tuple(joined.status, joined.out), std::tuple(split.status, split.out));
        EXPECT_EQ(joined.status == 0, c["expected"] != "-") << joined.out << joined.err;
    }
}

// Without VALUE on a terminal, the converter says it waits; with nothing to read it never ends
// silently with success.
TEST(OrloConvert, FilterNeverWaitsOrEndsSilently)
{
    FakeIo io("");
    io.terminal = true;
    core::UserTables user;
    const std::string_view args[] = { "Length", "in", "cm" };
    EXPECT_EQ(cli::Run(args, user, io), cli::kExitUsage);
    EXPECT_NE(io.err.find("one a line"), std::string::npos) << io.err;
    EXPECT_NE(io.err.find("no VALUE"), std::string::npos) << io.err;
}

// A line longer than the limit is answered "Input error" without being held whole, and the lines
// after it still convert; a line at the limit is an ordinary line.
TEST(OrloConvert, FilterBoundsLineLength)
{
    const std::string atLimit = std::string(cli::kMaxLine - 1, '0') + "1";
    const std::string overLimit = atLimit + "0";
    const std::string huge(1 << 20, '7');
    const std::tuple<std::string, std::string, int> rows[] = {
        { "1\n" + atLimit + "\r\n2\n", "2.54000\n2.54000\n5.08000\n", 0 },
        { overLimit + "\n2", "Input error\n5.08000\n", 1 },
        { "1\n" + huge + "\r\n" + huge + "\n3\n" + huge,
            "2.54000\nInput error\nInput error\n7.62000\nInput error\n",
            1 },
    };
    for (const auto &[in, out, status] : rows) {
        const FakeIo o = Cli({ "Length", "in", "cm" }, in);
        EXPECT_EQ(std::tuple(o.out, o.status), std::tuple(out, status)) << in.size();
    }
}

TEST(OrloConvert, ListsAndHelp)
{
    const FakeIo groups = Cli({ "--list" });
    EXPECT_EQ(groups.status, 0);
    EXPECT_NE(groups.out.find("  9  Velocity, Speed\n"), std::string::npos);
    EXPECT_NE(groups.out.find("  51  Graphics Units\n"), std::string::npos);
    EXPECT_EQ(groups.out.find("  29  "), std::string::npos);
    EXPECT_EQ(std::count(groups.out.begin(), groups.out.end(), '\n'), 32);
    EXPECT_EQ(Cli({ "--list", "angle" }).out,
        "  0  rad: radian\n  1  °: degree\n  2  ': minute\n  3  \": Second \n");

    const FakeIo help = Cli({ "--help" });
    EXPECT_EQ(std::tuple(help.status, help.err), std::tuple(0, ""));
    EXPECT_NE(help.out.find("Usage: orlo-convert"), std::string::npos);
    EXPECT_NE(help.out.find("13 = Warp 9.9999"), std::string::npos);
}

TEST(OrloConvert, CustomGroups)
{
    core::UserTables user;
    user.UserGrpName[2] = "Mine";
    user.UserUnitName[2][1] = "thing";
    user.UserCoefText[2][1] = "2";
    EXPECT_NE(Cli({ "--list" }, {}, user).out.find("  31  Mine\n"), std::string::npos);
    EXPECT_EQ(Cli({ "Mine", "thing", "0", "3" }, {}, user).out, "6.00000\n");
    // Labels that differ in case only: the exact one wins, a case-blind match is ambiguous.
    user.UserUnitName[2][2] = "AB";
    user.UserUnitName[2][3] = "ab";
    user.UserCoefText[2][3] = "4";
    EXPECT_EQ(Cli({ "Mine", "ab", "thing", "1" }, {}, user).out, "2.00000\n");
    EXPECT_EQ(Cli({ "Mine", "Ab", "thing", "1" }, {}, user).status, 2);
}

} // namespace
