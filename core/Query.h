// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Conversions asked in words: "5 km to mi", "6 ft 2 in in cm", "how many feet in a mile",
// "170 cm in ft+in". Plain C++. Unit names are resolved by the vocabulary; the arithmetic is the
// Convert command's, scaled by the exact factor a name carries (a prefix, a supplementary unit).
#pragma once

#include "core/Vocabulary.h"
#include "core/mOrlo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// How the user's locale writes numbers: with a decimal comma, "1,5" is one and a half; without one,
// a comma only groups thousands ("1,000") and any other comma is refused, never cut.
struct NumberStyle
{
    bool decimalComma = false;
};

// A number as typed and its unit: "6 ft".
struct Amount
{
    std::string number; // as typed: "6", "1/2", "1,000"
    double value = 0;
    UnitUse unit;
    bool operator==(const Amount &) const = default;
};

// One way to read a query: its amounts (several for "6 ft 2 in") and the unit or units
// ("ft in") of the answer, all of one group.
struct QueryReading
{
    std::int16_t group = 0;
    std::vector<Amount> from;
    std::vector<UnitUse> into;
    bool operator==(const QueryReading &) const = default;
};

struct Query
{
    // Every reading of the best-matching names, in group order; the Metric Prefixes and Number
    // System groups only when no other group reads.
    std::vector<QueryReading> readings;
    // When there is no reading: the typed names that name no unit at all, and the typed names of
    // the closest split (for messages).
    std::vector<std::string> unknown;
    std::vector<std::string> names;
    // A number that cannot be read safely ("1,5" without a decimal comma): the reason.
    std::string refusal;
};

// Reads "VALUE UNIT [to|in|into|as|=|->|→] UNIT", compound amounts and answers, and the forms
// "how many UNIT in [a|N] UNIT", "convert …", "what is …". nullopt when the text has no such shape
// (it must hold a number, or "a"/"an" in a how-many question, and two unit parts).
std::optional<Query> ReadQuery(const Vocabulary &vocab, std::string_view text, NumberStyle style = {});

struct AnswerSettings
{
    std::int16_t pnFigure = 6;
    std::int16_t pnFormFlag = 0;
    std::int16_t WarpIndex = 0;
};

struct QueryAnswer
{
    std::string result; // "8046.72", or "5 ft 6.92913 in" for a compound answer
    std::string unit; // the answer's unit as written ("m", "gal (US)"); empty for a compound answer
    std::string line; // "5 mi = 8046.72 m"; "Volume: …" in front when answers come from several groups
    std::size_t reading = 0; // the reading it answers
};

// The answers to a query, formatted as the Convert command formats: one for each distinct line,
// units labelled where readings differ only in which unit a name means ("gal (US)", "gal (UK)").
std::vector<QueryAnswer> Answers(const Vocabulary &vocab, const Query &q, const AnswerSettings &settings);

// The units of `group` that `name` names on its own (not scaled), at the best tier; for the
// GROUP FROM INTO form. Several when the name is ambiguous there.
std::vector<std::int16_t> UnitsNamed(const Vocabulary &vocab, std::int16_t group, std::string_view name);

// "mi" for "mi: mile", "°C" for "°C: deg Celsius"; a label without a symbol stands for itself.
std::string UnitSymbol(std::string_view label);

// Up to `most` labels of units whose names are closest to `name`, or whose label holds it as a
// word ("cal" → "cal (IT)", "cal (th)"), closest first.
std::vector<std::string> SimilarLabels(const Vocabulary &vocab, std::string_view name, std::size_t most = 3);

// What a name was read as, "g: acceleration of free fall (Acceleration)", for a message that says
// why no group holds both units.
std::vector<std::string> ReadAs(const Vocabulary &vocab, std::string_view name);

} // namespace core
