// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The readers of typed numbers: Val, InvalidNumCheck and the number-system procedures.
#include "core/mOrlo.h"
#include "support/CaseTable.h"

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
        SCOPED_TRACE(c.where() + " \"" + c["text"] + "\"");
        const std::string &procedure = c["procedure"];
        if (procedure == "val") {
            const auto v = core::Val(c["text"]);
            EXPECT_EQ(v.has_value(), c["value"] != "none");
            if (v && c["value"] != "none") {
                EXPECT_EQ(*v, cases::Number(c["value"]));
            }
        } else if (procedure == "check") {
            int notices = 0;
            EXPECT_EQ(core::InvalidNumCheck(c["text"], [&notices] { ++notices; }), std::stoi(c["result"]));
            EXPECT_EQ(notices, c["notices"].empty() ? 0 : std::stoi(c["notices"]));
        } else {
            ASSERT_EQ(procedures.count(procedure), 1u);
            EXPECT_EQ(procedures.at(procedure)(c["text"]), c["result"]);
        }
    }
    EXPECT_EQ(core::InvalidNumCheck("1,5", core::CommaNotice()), 0); // no callback is no crash
}

} // namespace
