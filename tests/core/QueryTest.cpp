// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Queries in words: their forms and unit names from tests/data/core/query.txt, answered exactly as the
// Convert command answers the same group, units and value; custom groups; symbols. Suggestions and
// ambiguous names are checked through orlo-convert's case table (cli.txt).
#include "core/Query.h"

#include "support/CaseTable.h"
#include "support/CatalogueLookup.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> List(const std::string &field)
{
    std::vector<std::string> out;
    for (std::size_t start = 0; start <= field.size();) {
        const std::size_t comma = field.find(", ", start);
        out.push_back(field.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 2;
    }
    return out;
}

TEST(Query, FormsNamesAndAnswersFromTheTable)
{
    core::UserTables user;
    const core::Catalogue cat = core::BuildCatalogue(15, 15, user);
    for (const cases::Case &c : cases::Read("core/query.txt")) {
        SCOPED_TRACE(c.where());
        const auto q = core::ReadQuery(cat, c["text"]);
        if (c["kind"] == "none") {
            EXPECT_FALSE(q.has_value());
            continue;
        }
        ASSERT_TRUE(q.has_value());
        std::vector<std::string> groups;
        for (const core::QueryReading &r : q->readings)
            groups.push_back(cat.GroupName[r.group]);
        if (c["kind"] == "read") {
            const std::int16_t g = cases::GroupNamed(cat, c["group"]);
            const core::QueryReading expected {
                g, cases::UnitNamed(cat, g, c["from"]), cases::UnitNamed(cat, g, c["into"])
            };
            ASSERT_EQ(q->readings, std::vector { expected });
            // The answer is the Convert command's text for the same group, units and value.
            core::ConvertInput in { g, expected.from, expected.into, q->value, 8, 0, 0 };
            EXPECT_EQ(core::Answer(cat, *q, expected, 8, 0, [] {}), core::Convert(cat, in, [] {}));
        } else if (c["kind"] == "many") {
            EXPECT_EQ(groups, List(c["group"]));
        } else if (c["kind"] == "unknown") {
            EXPECT_EQ(groups, std::vector<std::string> {});
            EXPECT_EQ(q->unknown, List(c["group"]));
        } else {
            ASSERT_EQ(c["kind"], "nogroup");
            EXPECT_EQ(groups, std::vector<std::string> {});
            EXPECT_TRUE(q->unknown.empty());
        }
    }
}

TEST(Query, CustomGroupsTakePartAndSymbols)
{
    core::UserTables user;
    user.UserGrpName[0] = "Heat";
    user.UserUnitName[0][0] = "K";
    user.UserUnitName[0][1] = "Cel: celsius";
    user.UserCoefText[0][0] = "1";
    user.UserCoefText[0][1] = "1";
    user.UserOffsetText[0][1] = "273.15";
    user.UserGrpName[1] = "Cooking";
    user.UserUnitName[1][0] = "cup";
    user.UserUnitName[1][1] = "tbsp: tablespoon";
    user.UserCoefText[1][0] = "16";
    user.UserCoefText[1][1] = "1";
    const core::Catalogue cat = core::BuildCatalogue(15, 15, user);

    const auto cooking = core::ReadQuery(cat, "2 cups in tablespoons");
    ASSERT_TRUE(cooking && cooking->readings.size() == 1);
    EXPECT_EQ(cat.GroupName[cooking->readings[0].group], "Cooking");
    EXPECT_EQ(core::Answer(cat, *cooking, cooking->readings[0], 6, 0, [] {}), "32.0000");
    // "celsius" is written so in the custom group only, "Celsius" in Temperature only: the name as
    // written wins over the same name with case ignored.
    for (const auto &[text, group] :
        { std::pair { "100 celsius K", "Heat" }, { "100 Celsius K", "Temperature" } }) {
        const auto heat = core::ReadQuery(cat, text);
        ASSERT_TRUE(heat && heat->readings.size() == 1) << text;
        EXPECT_EQ(cat.GroupName[heat->readings[0].group], group);
    }
    const auto both = core::ReadQuery(cat, "1 K K");
    ASSERT_TRUE(both);
    EXPECT_EQ(both->readings.size(), 2u); // Temperature and Heat

    EXPECT_EQ(core::UnitSymbol("mi: mile"), "mi");
    EXPECT_EQ(core::UnitSymbol("°C: deg Celsius"), "°C");
    EXPECT_EQ(core::UnitSymbol("km/h"), "km/h");
}

} // namespace
