// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Every unit of every built-in group through the Convert command against an identity from the unit's
// definition: a wrong factor anywhere fails here.
#include "core/mOrlo.h"
#include "support/CaseTable.h"
#include "support/CatalogueLookup.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <set>

namespace {

// A product and quotient of numbers and "pi", read left to right.
double Evaluate(const std::string &expression)
{
    double value = 1;
    char op = '*';
    for (std::size_t pos = 0; pos <= expression.size();) {
        const std::size_t end = expression.find_first_of("*/", pos);
        const std::string term = expression.substr(pos, end == std::string::npos ? end : end - pos);
        const double x = term == "pi" ? std::numbers::pi : cases::Number(term);
        value = op == '*' ? value * x : value / x;
        if (end == std::string::npos)
            break;
        op = expression[end];
        pos = end + 1;
    }
    return value;
}

TEST(UnitIdentities, EveryBuiltInUnitConvertsAsItsDefinitionSays)
{
    core::UserTables user;
    const core::Catalogue cat = core::BuildCatalogue(12, 20, user);
    std::set<std::pair<std::int16_t, std::int16_t>> reached;
    for (const cases::Case &c : cases::Read("core/identities.txt")) {
        SCOPED_TRACE(c.where());
        core::ConvertInput in;
        in.group = cases::GroupNamed(cat, c["group"]);
        in.from = cases::UnitNamed(cat, in.group, c["from"]);
        in.into = cases::UnitNamed(cat, in.group, c["into"]);
        in.text = c["value"];
        in.pnFigure = 10;
        in.pnFormFlag = 1;
        reached.insert({ in.group, in.from });
        reached.insert({ in.group, in.into });
        const std::optional<std::string> result = core::Convert(cat, in).text;
        ASSERT_TRUE(result.has_value());
        ASSERT_NE(*result, core::kInputError);
        if (in.group == core::pnNumSysGrp) {
            EXPECT_EQ(*result, c["expected"]);
            continue;
        }
        const double expected = Evaluate(c["expected"]);
        const double tolerance = c["tolerance"].empty() ? 1e-9 : cases::Number(c["tolerance"]);
        EXPECT_NEAR(cases::Number(*result), expected, std::fabs(expected) * tolerance)
            << c["value"] << " " << c["from"] << " = " << *result << " " << c["into"];
    }
    // Every unit was reached by its label, so each group holds the units it should, labelled as the
    // table writes them; nothing lies past the last unit, and the warp captions end with the menu.
    for (std::size_t g = 0; g < core::kGroupSlots; ++g) {
        if (g >= core::pnUserGrpFirst && g < core::pnCompGrpFirst)
            continue;
        for (std::int16_t u = 0; u < cat.UnitCount[g]; ++u)
            EXPECT_TRUE(reached.contains({ static_cast<std::int16_t>(g), u }))
                << cat.GroupName[g] << ": " << cat.UnitName[g][static_cast<std::size_t>(u)]
                << " has no identity";
    }
}

} // namespace
