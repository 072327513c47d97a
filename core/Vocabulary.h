// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The words people use for units: every catalogue unit under its labels' names, the names in the
// vocabulary tables (spellings, abbreviations, ASCII forms), SI prefixes on metric units, and a few
// everyday units the catalogue lacks. Queries resolve unit names here and nowhere else.
#pragma once

#include "core/mOrlo.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace core {

// Groups that only queries know: they are in no menu and no file.
inline constexpr std::int16_t kTimeGroup = 100;
inline constexpr std::int16_t kFrequencyGroup = 101;

// A unit as a name means it: `scale` of catalogue unit `unit` of `group` (1000 of the metre for "km",
// 14 pounds for "st"), written `shown` in answers.
struct UnitUse
{
    std::int16_t group = 0;
    std::int16_t unit = 0;
    double scale = 1;
    std::string shown;
    bool operator==(const UnitUse &o) const { return group == o.group && unit == o.unit && scale == o.scale; }
};

namespace vocabulary {

// A unit of a query-only group: its label and its size in the group's base unit.
struct QueryUnit
{
    std::string_view label;
    double factor;
};

// Names for `scale` of the catalogue unit labelled `unit` in `group`: `names` separated by "; ".
// `shown` is how answers write it; empty for the catalogue unit's own symbol.
struct NameRow
{
    std::int16_t group;
    std::string_view unit;
    double scale;
    std::string_view shown;
    std::string_view names;
};

// The units of the query-only groups, and their group names.
std::span<const QueryUnit> QueryUnits(std::int16_t group);
std::string_view QueryGroupName(std::int16_t group);
// Every row of the name tables: spellings of catalogue units and the supplementary units.
std::span<const NameRow> NameRows();

} // namespace vocabulary

// The form names are compared in: blanks single, micro as "u", British spellings as American
// ("metre", "litre"), "sq X"/"square X"/"X2"/"X^2" as "X²" (and cubes as "X³"), "·" and "*" as "-".
std::string CanonicalName(std::string_view name);

// Every name of every unit of one catalogue (its custom groups included), built once.
class Vocabulary
{
public:
    explicit Vocabulary(const Catalogue &cat);

    struct Found
    {
        UnitUse use;
        int tier; // 0: the name as written; 1: with case ignored
    };
    // The units `name` names at its best tier, several when it means several (gallon: US and UK;
    // g: the gram and free fall).
    std::vector<Found> lookup(std::string_view name) const;

    // The group name of a catalogue or query-only group.
    std::string groupName(std::int16_t group) const;
    // The label of a unit ("mi: mile"; "h: hour" for a query-only unit).
    std::string label(std::int16_t group, std::int16_t unit) const;
    // How answers write a unit: its symbol ("mi", "°C"), or its label when it has none.
    std::string shown(std::int16_t group, std::int16_t unit) const;

    // Every name the vocabulary knows with the label of what it names, for suggestions.
    struct Entry
    {
        std::string name; // canonical, lower case
        std::string label;
    };
    const std::vector<Entry> &entries() const { return m_entries; }
    const Catalogue &catalogue() const { return m_cat; }

private:
    void add(const std::string &name, const UnitUse &use, bool derived);
    void addCatalogueNames();
    void addRows();
    void addPrefixed();

    const Catalogue &m_cat;
    // Canonical name → its units, names as written; the same with case folded.
    std::unordered_map<std::string, std::vector<UnitUse>> m_exact;
    std::unordered_map<std::string, std::vector<UnitUse>> m_folded;
    // Names made by a prefix give way to every other name, as written and with case folded.
    std::unordered_map<std::string, bool> m_derived;
    std::unordered_map<std::string, std::vector<UnitUse>> m_foldedDerived;
    std::vector<Entry> m_entries;
};

} // namespace core
