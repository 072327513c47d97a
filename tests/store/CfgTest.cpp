// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "store/Store.h"
#include "support/StoreTestUtil.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using namespace storetest;
using store::CfgReadResult;
using store::Settings;

// The sixteen lines of the golden file, which tests/data/make_fixtures.py writes from its own list.
const Names kDefaultLines = [] {
    Names lines;
    const std::string bytes = ReadBytes(DataFile("defaults.cfg"));
    for (std::size_t pos = 0, end; (end = bytes.find("\r\n", pos)) != std::string::npos; pos = end + 2)
        lines.push_back(bytes.substr(pos, end - pos));
    return lines;
}();

// The default lines with some replaced (index, text), the first `count` of them, each with `end`.
std::string With(
    std::vector<std::pair<int, std::string>> changes, std::size_t count = 16, const char *end = "\r\n")
{
    Names lines = kDefaultLines;
    for (const auto &[n, text] : changes)
        lines[std::size_t(n)] = text;
    std::string out;
    for (std::size_t i = 0; i < count; ++i)
        out += lines[i] + end;
    return out;
}

// Differs from the defaults everywhere, so a fall-back that misses a setting shows.
Settings Unusual()
{
    return { -5, 32767, -32768, 7, 51, 40, 1, 7, 1, "016032064", "255255255", "0", "\u00C5", "" };
}

TEST(Cp1252, EveryByteRoundTripsAndKnownTextsConvertBothWays)
{
    std::set<std::string> seen;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, char(b)), utf8 = store::FromCp1252(byte);
        EXPECT_TRUE(store::IsStorable(utf8)) << b;
        EXPECT_EQ(store::ToCp1252(utf8), byte) << b;
        seen.insert(utf8);
    }
    EXPECT_EQ(seen.size(), 256u);
    for (const cases::Case &c : cases::Read("store/cp1252.txt")) {
        SCOPED_TRACE(c.where());
        EXPECT_EQ(store::IsStorable(c["utf-8"]), c["cp1252"] != "unstorable");
        if (c["cp1252"] != "unstorable") {
            EXPECT_EQ(store::FromCp1252(c["cp1252"]), c["utf-8"]);
            EXPECT_EQ(store::ToCp1252(c["utf-8"]), c["cp1252"]);
        }
    }
}

TEST(Cfg, DefaultsAreTheGoldenFileBothWaysAndEveryFieldRoundTrips)
{
    TempDir dir;
    Settings s = Unusual();
    ASSERT_EQ(kDefaultLines.size(), 16u);
    ASSERT_EQ(store::CfgParse(With({}), s), CfgReadResult::Loaded);
    EXPECT_EQ(s, Settings {});
    ASSERT_EQ(store::CfgSave(dir.path, s), store::SaveResult::Saved);
    EXPECT_EQ(ReadBytes(dir / store::kCfgFileName), With({}));

    Settings out = Unusual();
    ASSERT_EQ(store::CfgSave(dir.path, out), store::SaveResult::Saved);
    ASSERT_EQ(store::CfgRead(dir.path, s), CfgReadResult::Loaded);
    EXPECT_EQ(s, Unusual());
    // Colours are written as held; 10 figures as 1.
    s.psBtnTextColor = " a=b ";
    s.pnFigure = 10;
    ASSERT_EQ(store::CfgSave(dir.path, s), store::SaveResult::Saved);
    EXPECT_EQ(s.pnFigure, 1);
    EXPECT_NE(ReadBytes(dir / store::kCfgFileName)
                  .find("Figure=1\r\nForm=1\r\nFaceColor=016032064\r\nTextColor= a=b \r\n"),
        std::string::npos);
}

TEST(Cfg, EachLineIsReadByPosition)
{
    using S = Settings;
    // clang-format off
    std::int16_t S::*const numbers[] = { nullptr, &S::pnFrmConvTop, &S::pnFrmConvLeft, &S::pnFrmConstTop,
        &S::pnFrmConstLeft, &S::pnSelUnitGrp, &S::pnSelUnitItem, nullptr, &S::pnShowTop, &S::pnFigure,
        &S::pnFormFlag };
    std::string S::*const texts[] = { &S::psBtnFaceColor, &S::psBtnTextColor, &S::psBtnTextColor1,
        &S::psBtnTextColor2, &S::psBtnTextColor3 };
    // clang-format on
    for (const cases::Case &c : cases::Read("store/cfg_lines.txt")) {
        SCOPED_TRACE(c.where());
        if (c["line index"] == "value") {
            EXPECT_EQ(store::GetCfgValue(c["line"]), c["reads as"]);
            continue;
        }
        const int n = std::stoi(c["line index"]);
        Settings s = Unusual(), expected;
        const auto result = store::CfgParse(With({ { n, c["line"] } }), s);
        EXPECT_EQ(result, c["reads as"] == "defaults" ? CfgReadResult::Defaults : CfgReadResult::Loaded);
        if (n >= 11)
            expected.*texts[n - 11] = c["reads as"];
        else if (numbers[n] && c["reads as"] != "defaults")
            expected.*numbers[n] = std::int16_t(std::stoi(c["reads as"]));
        EXPECT_EQ(s, expected);
    }
}

TEST(Cfg, LineEndsAndLineCounts)
{
    std::string mixed;
    for (std::size_t i = 0; i < 16; ++i)
        mixed += (i == 1 ? "Top=4321" : kDefaultLines[i]) + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    const auto top = [](std::size_t count = 16, const char *end = "\r\n") {
        return With({ { 1, "Top=4321" } }, count, end);
    };
    // clang-format off
    const std::pair<std::string, bool> table[] = { { top(16, "\n"), true }, { top(16, "\r"), true },
        { mixed, true }, { top().substr(0, top().size() - 2), true }, // last line without its end
        { top() + "Top=40000\r\n\xFF garbage", true }, { top(15), false }, { "", false },
        { With({ { 13, "TextColor1=" + std::string(70000, '9') } }), false },
        { With({ { 1, "Top=4321" }, { 10, "Form=99999" } }), false } }; // a late failure resets earlier lines
    // clang-format on
    for (const auto &[bytes, loads] : table) {
        Settings s = Unusual(), expected;
        expected.pnFrmConvTop = loads ? 4321 : 1350;
        ASSERT_EQ(store::CfgParse(bytes, s), loads ? CfgReadResult::Loaded : CfgReadResult::Defaults)
            << bytes.substr(0, 40);
        EXPECT_EQ(s, expected);
    }
}

} // namespace
