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
        const auto result = core::Convert(cat, in).text;
        EXPECT_EQ(result.value_or("<keep>"), c["result"]);
    }
}

TEST(Convert, CommaNoticeComesWithTheResult)
{
    const core::Catalogue cat = WithCustomGroup();
    const auto withComma = core::Convert(cat, { 0, 0, 1, "2,5" });
    EXPECT_EQ(std::tuple(withComma.text, withComma.commaNotice),
        std::tuple(std::optional<std::string>("200.000"), true));
    const auto withPeriod = core::Convert(cat, { 0, 0, 1, "2.5" });
    EXPECT_EQ(std::tuple(withPeriod.text, withPeriod.commaNotice),
        std::tuple(std::optional<std::string>("250.000"), false));
    const auto numbers = core::Convert(cat, { core::pnNumSysGrp, 0, 3, "1,5" });
    EXPECT_EQ(std::tuple(numbers.text, numbers.commaNotice),
        std::tuple(std::optional<std::string>(core::kInputError), true));
}

} // namespace
