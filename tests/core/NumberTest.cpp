// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The readers of typed numbers: Val, InvalidNumCheck and the number-system procedures.
#include "core/mOrlo.h"
#include "support/CaseFile.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

TEST(Numbers, Cases)
{
    using Procedure = std::string (*)(std::string_view);
    const std::map<std::string, Procedure> procedures = { { "DecToBin", core::DecToBin },
        { "DecToOct", core::DecToOct },
        { "DecToHex", core::DecToHex },
        { "FmtBinToDec", core::FmtBinToDec },
        { "FmtOctToDec", core::FmtOctToDec },
        { "FmtHexToDec", core::FmtHexToDec } };
    for (const cases::Case &c : cases::Read("core/numbers.txt")) {
        SCOPED_TRACE(c.where + " \"" + c[1] + "\"");
        if (c[0] == "val") {
            const auto v = core::Val(c[1]);
            EXPECT_EQ(v.has_value(), c[2] != "none");
            if (v && c[2] != "none") {
                EXPECT_EQ(*v, cases::Number(c[2]));
            }
        } else if (c[0] == "check") {
            int notices = 0;
            EXPECT_EQ(core::InvalidNumCheck(c[1], [&notices] { ++notices; }), std::stoi(c[2]));
            EXPECT_EQ(notices, c[3].empty() ? 0 : std::stoi(c[3]));
        } else {
            ASSERT_EQ(procedures.count(c[0]), 1u);
            EXPECT_EQ(procedures.at(c[0])(c[1]), c[2]);
        }
    }
    EXPECT_EQ(core::InvalidNumCheck("1,5", core::CommaNotice()), 0); // no callback is no crash
}

} // namespace
