// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/mOrlo.h"
#include "support/CaseTable.h"

#include <gtest/gtest.h>
#include <string>

namespace {

core::Catalogue WithCustomGroup()
{
    core::UserTables user;
    const char *units[][3] = {
        { "base", "1", "" }, { "zero", "0", "5" }, { "shifted", "2", "10" }, { "tiny", "1e-20", "" }
    };
    for (int j = 0; j < 4; ++j) {
        user.UserUnitName[0][j] = units[j][0];
        user.UserCoefText[0][j] = units[j][1];
        user.UserOffsetText[0][j] = units[j][2];
    }
    return core::BuildCatalogue(12, 20, user);
}

TEST(Convert, Cases)
{
    const core::Catalogue cat = WithCustomGroup();
    for (const cases::Case &c : cases::Read("core/convert.txt")) {
        SCOPED_TRACE(c.where());
        const auto number = [&c](const char *column, int otherwise) {
            return std::int16_t(c[column].empty() ? otherwise : std::stoi(c[column]));
        };
        const core::ConvertInput in { number("group", 0),
            number("from", 0),
            number("into", 0),
            c["input"],
            number("figures", 6),
            number("form", 0),
            number("warp", 0) };
        const auto result = core::Convert(cat, in, [] {});
        EXPECT_EQ(result.value_or("<keep>"), c["result"]);
    }
}

TEST(Convert, CommaNoticeOncePerRun)
{
    const core::Catalogue cat = WithCustomGroup();
    int notices = 0;
    const auto count = [&notices] { ++notices; };
    EXPECT_EQ(core::Convert(cat, { 0, 0, 1, "2,5" }, count), "200.000");
    EXPECT_EQ(core::Convert(cat, { 0, 0, 1, "2.5" }, count), "250.000");
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(core::Convert(cat, { core::pnNumSysGrp, 0, 3, "1,5" }, count), core::kInputError);
    EXPECT_EQ(notices, 2);
}

} // namespace
