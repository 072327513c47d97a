// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Conversions asked in words: "5 mi in m", "100 °C to °F", "100 C F", "255 Decimal Hexadecimal".
// Plain C++. The answer of a reading is the Convert command's own text for its group and units.
#pragma once

#include "core/mOrlo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// One group that holds both units of a query.
struct QueryReading
{
    std::int16_t group = 0;
    std::int16_t from = 0;
    std::int16_t into = 0;
    bool operator==(const QueryReading &) const = default;
};

struct Query
{
    std::string value; // the value as typed, handed to Convert unchanged
    std::string fromText; // the unit names as typed (for messages)
    std::string intoText;
    // Every group where both names name exactly one unit, the closest matches only (names as written
    // beat names matched with case ignored). Empty when no group holds both.
    std::vector<QueryReading> readings;
    // When there is no reading: the typed names that name no unit of any group.
    std::vector<std::string> unknown;
};

// Reads "VALUE UNIT to|in|into|as UNIT" or "VALUE UNIT UNIT". nullopt when the text has no such
// shape: the value must start with a digit, a period or a sign, and two unit names must follow.
// Unit names match the whole label, the symbol before its ":", each name after it and each
// alternative separated by "," or " = "; simple English plurals ("miles", "inches"); with or without
// the degree sign or a "deg" ("C", "degC", "deg Celsius" for "°C: deg Celsius"); "u" for "µ".
std::optional<Query> ReadQuery(const Catalogue &cat, std::string_view text);

// The Convert command's text for a reading of the query, with the given settings.
std::optional<std::string> Answer(const Catalogue &cat,
    const Query &q,
    const QueryReading &r,
    std::int16_t pnFigure,
    std::int16_t pnFormFlag,
    const CommaNotice &onComma);

// The one unit of `group` that `name` names, by the query's rules ("mile", "feet", "C", "degC").
std::optional<std::int16_t> FindUnit(const Catalogue &cat, std::int16_t group, std::string_view name);

// The units a name fits equally well within one group, for each group where it fits several
// ("gal": the US and the UK gallon of Volume): such a name picks no unit there.
struct UnitsNamed
{
    std::int16_t group = 0;
    std::vector<std::int16_t> units;
};
std::vector<UnitsNamed> AmbiguousNames(const Catalogue &cat, std::string_view name);

// "mi" for "mi: mile", "°C" for "°C: deg Celsius"; a label without a symbol stands for itself.
std::string UnitSymbol(std::string_view label);

// Up to `most` unit labels whose names are closest to `name` (for "did you mean"), closest first.
std::vector<std::string> SimilarLabels(const Catalogue &cat, std::string_view name, std::size_t most = 3);

} // namespace core
