// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Queries in words: everyday questions against answers worked out from the units' definitions
// (queries.txt), which reading a form and a name get (query.txt), the vocabulary's names each
// reaching the unit they were written for, custom groups, and suggestions.
#include "core/Query.h"

#include "support/CaseTable.h"
#include "support/CatalogueLookup.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> List(const std::string &field, const std::string &separator = ", ")
{
    std::vector<std::string> out;
    for (std::size_t start = 0; start <= field.size();) {
        const std::size_t at = field.find(separator, start);
        out.push_back(field.substr(start, at - start));
        if (at == std::string::npos)
            break;
        start = at + separator.size();
    }
    return out;
}

// The numbers in an answer's text: "5 ft 6.929133858 in" → 5, 6.929133858.
std::vector<double> Numbers(const std::string &text)
{
    std::vector<double> out;
    for (const std::string &word : List(text, " ")) {
        double v = 0;
        const auto r = std::from_chars(word.data(), word.data() + word.size(), v);
        if (r.ec == std::errc() && r.ptr == word.data() + word.size())
            out.push_back(v);
    }
    return out;
}

struct Fixture
{
    core::UserTables user;
    core::Catalogue cat = core::BuildCatalogue(15, 15, user);
    core::Vocabulary vocab { cat };
};

TEST(Query, EverydayQuestionsAnsweredAsTheDefinitionsSay)
{
    const Fixture f;
    std::size_t rows = 0;
    for (const cases::Case &c : cases::Read("core/queries.txt")) {
        SCOPED_TRACE(c.where() + ": " + c["query"]);
        ++rows;
        const auto q = core::ReadQuery(f.vocab, c["query"]);
        const auto answers = q ? core::Answers(f.vocab, *q, { 10, 0, 0 }) : std::vector<core::QueryAnswer> {};
        if (c["expected"] == "-") {
            EXPECT_TRUE(answers.empty()) << answers.front().line;
            continue;
        }
        const std::vector<std::string> expected = List(c["expected"], "; ");
        if (answers.size() != expected.size()) {
            ADD_FAILURE() << answers.size() << " answers, " << expected.size() << " expected"
                          << (answers.empty() ? "" : ": " + answers.front().line);
            continue;
        }
        // Several answers come in the vocabulary's order; each must match one expected answer.
        std::vector<std::vector<double>> want;
        for (const std::string &e : expected) {
            want.emplace_back();
            for (const std::string &n : List(e))
                want.back().push_back(std::stod(n));
        }
        for (const core::QueryAnswer &a : answers) {
            const std::vector<double> got = Numbers(a.result);
            const auto match = std::find_if(want.begin(), want.end(), [&got](const std::vector<double> &w) {
                if (w.size() != got.size())
                    return false;
                for (std::size_t i = 0; i < w.size(); ++i) {
                    // Ten figures printed, twelve expected.
                    if (std::fabs(got[i] - w[i]) > 1e-9 * std::fabs(w[i]) + 1e-12)
                        return false;
                }
                return true;
            });
            EXPECT_NE(match, want.end()) << a.line;
            if (match != want.end())
                want.erase(match);
        }
    }
    EXPECT_GE(rows, 400u);
}

TEST(Query, FormsReadTheUnitsTheyName)
{
    const Fixture f;
    for (const cases::Case &c : cases::Read("core/query.txt")) {
        SCOPED_TRACE(c.where());
        const auto q = core::ReadQuery(f.vocab, c["text"]);
        if (c["kind"] == "none") {
            EXPECT_FALSE(q.has_value());
            continue;
        }
        ASSERT_TRUE(q.has_value());
        if (c["kind"] == "read") {
            const std::int16_t g = cases::GroupNamed(f.cat, c["group"]);
            ASSERT_EQ(q->readings.size(), 1u);
            const core::QueryReading &r = q->readings[0];
            EXPECT_EQ(r.group, g);
            ASSERT_EQ(r.from.size(), 1u);
            ASSERT_EQ(r.into.size(), 1u);
            EXPECT_EQ(r.from[0].unit.unit, cases::UnitNamed(f.cat, g, c["from"]));
            EXPECT_EQ(r.into[0].unit, cases::UnitNamed(f.cat, g, c["into"]));
            // Unscaled units answer as the Convert command answers the same group, units and value.
            core::ConvertInput in { g, r.from[0].unit.unit, r.into[0].unit, r.from[0].number, 8, 0, 0 };
            EXPECT_EQ(core::Answers(f.vocab, *q, { 8, 0, 0 }).at(0).result, core::Convert(f.cat, in).text);
        } else if (c["kind"] == "groups") {
            std::vector<std::string> groups;
            for (const core::QueryReading &r : q->readings)
                groups.push_back(f.vocab.groupName(r.group));
            EXPECT_EQ(groups, List(c["group"]));
        } else if (c["kind"] == "lines") {
            std::vector<std::string> lines;
            for (const core::QueryAnswer &a : core::Answers(f.vocab, *q, {}))
                lines.push_back(a.line);
            EXPECT_EQ(lines, List(c["group"], " ; "));
        } else if (c["kind"] == "unknown") {
            EXPECT_TRUE(q->readings.empty());
            EXPECT_EQ(q->unknown, List(c["group"]));
        } else {
            ASSERT_EQ(c["kind"], "nogroup");
            EXPECT_TRUE(q->readings.empty());
            EXPECT_TRUE(q->unknown.empty());
        }
    }
}

// Every name of the vocabulary's tables reaches the unit and size it was written for, and a name
// reaches another unit of that group only where a table row or the unit's own label says so.
TEST(Query, EveryVocabularyNameReachesItsUnit)
{
    const Fixture f;
    const auto rows = core::vocabulary::NameRows();
    for (const auto &row : rows) {
        const std::int16_t unit =
            row.group >= 100 ? std::int16_t(-1) : cases::UnitNamed(f.cat, row.group, std::string(row.unit));
        for (const std::string &name : List(std::string(row.names), "; ")) {
            SCOPED_TRACE(std::string(row.unit) + " / " + name);
            const auto found = f.vocab.lookup(name);
            const auto mine = std::find_if(found.begin(), found.end(), [&](const core::Vocabulary::Found &x) {
                return x.use.group == row.group && (unit < 0 || x.use.unit == unit)
                    && x.use.scale == row.scale;
            });
            ASSERT_NE(mine, found.end());
            EXPECT_EQ(mine->tier, 0);
            for (const auto &other : found) {
                if (other.use.group != row.group || other.use == mine->use)
                    continue;
                // Another unit of the same group: a row must name it so too, or its label must.
                const std::string label = f.vocab.label(other.use.group, other.use.unit);
                const bool listed = std::any_of(rows.begin(), rows.end(), [&](const auto &r) {
                    const auto names = List(std::string(r.names), "; ");
                    return r.group == other.use.group && r.unit == label && r.scale == other.use.scale
                        && std::find(names.begin(), names.end(), name) != names.end();
                });
                const bool labelled = other.use.scale == 1 && label.find(name) != std::string::npos;
                EXPECT_TRUE(listed || labelled) << "also names " << label;
            }
        }
    }
}

TEST(Query, CustomGroupsTakePart)
{
    Fixture f;
    f.user.UserGrpName[1] = "Cooking";
    f.user.UserUnitName[1][0] = "pot";
    f.user.UserUnitName[1][1] = "dash: dashes";
    f.user.UserCoefText[1][0] = "16";
    f.user.UserCoefText[1][1] = "1";
    const core::Catalogue cat = core::BuildCatalogue(15, 15, f.user);
    const core::Vocabulary vocab(cat);
    const auto cooking = core::ReadQuery(vocab, "2 pots in dashes");
    ASSERT_TRUE(cooking && cooking->readings.size() == 1);
    EXPECT_EQ(vocab.groupName(cooking->readings[0].group), "Cooking");
    EXPECT_EQ(core::Answers(vocab, *cooking, {}).at(0).line, "2 pot = 32.0000 dash");
}

TEST(Query, SuggestionsFindUnitsByAnyNameAndLabelWord)
{
    const Fixture f;
    const auto has = [](const std::vector<std::string> &all, const std::string &label) {
        return std::find(all.begin(), all.end(), label) != all.end();
    };
    const auto cal = core::SimilarLabels(f.vocab, "cal");
    EXPECT_TRUE(has(cal, "cal (IT)") && has(cal, "cal (th)"));
    const auto bushel = core::SimilarLabels(f.vocab, "bushels");
    EXPECT_TRUE(has(bushel, "bu: bushel (US)") && has(bushel, "bu: bushel (UK)"));
    EXPECT_TRUE(has(core::SimilarLabels(f.vocab, "furlongg"), "furlong"));
    // "g" is read as free fall and as the gram; a message can say both.
    const auto g = core::ReadAs(f.vocab, "g");
    EXPECT_TRUE(has(g, "g: acceleration of free fall (Acceleration)") && has(g, "g (Mass)"));
}

TEST(Query, CommasAreNeverCutAndDecimalCommasFollowTheLocale)
{
    const Fixture f;
    for (const char *text : { "1,5 m in ft", "1,00 m in ft", "1,0000 m in cm" }) {
        const auto q = core::ReadQuery(f.vocab, text);
        ASSERT_TRUE(q) << text;
        EXPECT_TRUE(q->readings.empty()) << text;
        EXPECT_NE(q->refusal.find("not a number"), std::string::npos) << text;
    }
    const auto comma = core::ReadQuery(f.vocab, "1,5 m in cm", { true });
    ASSERT_TRUE(comma && comma->readings.size() == 1);
    EXPECT_EQ(core::Answers(f.vocab, *comma, {}).at(0).line, "1,5 m = 150.000 cm");
    const auto grouped = core::ReadQuery(f.vocab, "1.000,5 m in cm", { true });
    ASSERT_TRUE(grouped && grouped->readings.size() == 1);
    EXPECT_EQ(grouped->readings[0].from[0].value, 1000.5);
}

} // namespace
