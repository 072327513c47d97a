// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/Vocabulary.h"

#include "core/Words.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace core {
namespace {

using vocabulary::NameRow;
using words::IsBlank;
using words::Lower;
using words::ReplaceAll;
using words::Trim;
using words::Words;

// SI prefixes. Micro is written "u" here, as canonical names write it; answers show "µ".
struct Prefix
{
    std::string_view symbol;
    std::string_view names;
    int power;
};
constexpr Prefix kPrefixes[] = {
    { "Y", "yotta", 24 },
    { "Z", "zetta", 21 },
    { "E", "exa", 18 },
    { "P", "peta", 15 },
    { "T", "tera", 12 },
    { "G", "giga", 9 },
    { "M", "mega", 6 },
    { "k", "kilo", 3 },
    { "h", "hecto", 2 },
    { "da", "deca; deka", 1 },
    { "d", "deci", -1 },
    { "c", "centi", -2 },
    { "m", "milli", -3 },
    { "u", "micro", -6 },
    { "n", "nano", -9 },
    { "p", "pico", -12 },
    { "f", "femto", -15 },
    { "a", "atto", -18 },
    { "z", "zepto", -21 },
    { "y", "yocto", -24 },
};

// Units that take a prefix: those with an SI or metric symbol. `dimension` is the power the prefix
// is raised to (km² is a million m²).
struct PrefixBase
{
    std::int16_t group;
    std::string_view unit;
    double scale;
    int dimension;
    std::string_view symbols;
    std::string_view names;
};
constexpr PrefixBase kPrefixBases[] = {
    { 0, "m: meter", 1, 1, "m", "meter" },
    { 2, "m²: square meter", 1, 2, "m²", "meter²" },
    { 3, "m³: cubic meter", 1, 3, "m³", "meter³" },
    { 3, "L: liter", 1, 1, "L; l", "liter" },
    { 1, "kg: kilogram", 0.001, 1, "g", "gram" },
    { 4, "Pa: pascal = N/m²", 1, 1, "Pa", "pascal" },
    { 4, "bar", 1, 1, "bar", "bar" },
    { 5, "W, J/s, N-m/s, V-A", 1, 1, "W", "watt" },
    { 6, "K: kelvin", 1, 1, "K", "kelvin" },
    { 7, "J, N-m, W-s", 1, 1, "J", "joule" },
    { 7, "kW-h", 0.001, 1, "Wh", "watt-hour" },
    { 7, "eV: electronvolt", 1, 1, "eV", "electronvolt" },
    { 8, "N: newton", 1, 1, "N", "newton" },
    { 9, "m/s", 1, 1, "m/s", "" },
    { 21, "T: tesla = Wb/m²", 1, 1, "T", "tesla" },
    { 23, "Wb: weber = V-s", 1, 1, "Wb", "weber" },
    { 24, "lx: lux = lm [lumen]/m²", 1, 1, "lx", "lux" },
    { 26, "Bq: becquerel = 1/s", 1, 1, "Bq", "becquerel" },
    { 26, "Ci: curie", 1, 1, "Ci", "curie" },
    { kTimeGroup, "s: second", 1, 1, "s", "second" },
    { kFrequencyGroup, "Hz: hertz", 1, 1, "Hz", "hertz" },
};

// Words that join a query's parts: never a unit made by a prefix ("as" is no attosecond).
constexpr std::string_view kReserved[] = { "as", "in", "to", "into" };

constexpr std::string_view kMicro = "\xC2\xB5"; // µ, as the labels write it
constexpr std::string_view kGreekMu = "\xCE\xBC"; // μ, as some keyboards type it
constexpr std::string_view kDegree = "\xC2\xB0"; // °
constexpr std::string_view kSquared = "\xC2\xB2"; // ²
constexpr std::string_view kCubed = "\xC2\xB3"; // ³

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::vector<std::string_view> Split(std::string_view s, std::string_view separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t at = s.find(separator);; at = s.find(separator)) {
        if (const auto part = Trim(s.substr(0, at)); !part.empty())
            parts.push_back(part);
        if (at == std::string_view::npos)
            return parts;
        s.remove_prefix(at + separator.size());
    }
}

std::string Join(const std::vector<std::string> &words)
{
    std::string s;
    for (const std::string &w : words)
        s.append(s.empty() ? "" : " ").append(w);
    return s;
}

bool EndsWith(std::string_view s, std::string_view end)
{
    return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

// "m2", "ft^2" and "m²" alike: a 2 or 3 (or ^2, ^3) right after a letter, ending a symbol, is a power.
std::string Powers(std::string_view s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::size_t digit = s[i] == '^' ? i + 1 : i;
        const bool isPower = digit < s.size() && (s[digit] == '2' || s[digit] == '3') && !out.empty()
            && IsLetter(out.back())
            && (digit + 1 == s.size()
                || std::string_view(" /)-").find(s[digit + 1]) != std::string_view::npos);
        if (isPower) {
            out.append(s[digit] == '2' ? kSquared : kCubed);
            i = digit;
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

// "sq ft", "square foot", "foot squared" as "ft²", "foot²"; cubes likewise.
std::string PowerWords(std::string_view s)
{
    std::vector<std::string> words = Words(s);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string w = Lower(words[i]);
        const bool square = w == "sq" || w == "square";
        const bool cube = w == "cu" || w == "cubic";
        if ((square || cube) && i + 1 < words.size()) {
            out.push_back(words[++i] + std::string(square ? kSquared : kCubed));
        } else if ((w == "squared" || w == "cubed") && !out.empty()) {
            out.back().append(w == "squared" ? kSquared : kCubed);
        } else {
            out.push_back(words[i]);
        }
    }
    return Join(out);
}

// A period after a word of two letters or more is an abbreviation's ("sq.", "lbs."); single letters
// keep theirs ("l. y.").
std::string AbbreviationPeriods(std::string_view s)
{
    std::vector<std::string> words = Words(s);
    for (std::string &w : words) {
        if (w.size() >= 3 && w.back() == '.' && IsLetter(w[w.size() - 2]) && IsLetter(w[w.size() - 3]))
            w.pop_back();
    }
    return Join(words);
}

// The form both labels and typed names are compared in, before the catalogue's own name rules:
// "u" for µ, no degree sign, no leading "deg" before a blank or a capital ("degC", "deg Celsius").
std::string Normal(std::string_view s)
{
    std::string out = std::string(Trim(ReplaceAll(s, kDegree, "")));
    if (out.size() >= 3 && Lower(out.substr(0, 3)) == "deg"
        && (out.size() == 3 || out[3] == ' ' || (out[3] >= 'A' && out[3] <= 'Z')))
        out = std::string(Trim(std::string_view(out).substr(3)));
    return out;
}

// Every name a catalogue label answers to: the whole label, the symbol before its ":", each name
// after it and each alternative separated by "," or " = ", and a symbol in parentheses after a name
// ("micron (µ)"); each also without its degree sign or "deg".
std::vector<std::string> LabelNames(std::string_view label)
{
    std::vector<std::string_view> raw { Trim(label) };
    const auto addAlternatives = [&raw](std::string_view s) {
        for (const std::string_view part : Split(s, ",")) {
            for (const std::string_view alternative : Split(part, " = "))
                raw.push_back(alternative);
        }
    };
    const std::size_t colon = label.find(':');
    if (colon != std::string_view::npos && colon > 0) {
        addAlternatives(label.substr(0, colon));
        addAlternatives(label.substr(colon + 1));
    } else {
        addAlternatives(label);
    }
    // Only a symbol of its own (not plain letters, which are qualifiers: "twip (X)", "gallon (US)").
    const std::size_t open = label.rfind(" (");
    if (colon == std::string_view::npos && open != std::string_view::npos && label.back() == ')') {
        const std::string_view inside = label.substr(open + 2, label.size() - open - 3);
        if (inside.size() <= 4
            && std::any_of(inside.begin(), inside.end(), [](char c) { return c & 0x80; })) {
            raw.push_back(Trim(label.substr(0, open)));
            raw.push_back(inside);
        }
    }
    std::vector<std::string> all;
    for (const std::string_view name : raw) {
        for (std::string form : { std::string(name), Normal(name) }) {
            if (!form.empty() && std::find(all.begin(), all.end(), form) == all.end())
                all.push_back(std::move(form));
        }
    }
    return all;
}

// The plural of one word, or "" when it takes none: words of three letters or more ("ms" is no
// plural of "m"), a power sign kept at the end ("feet²").
std::string PluralWord(std::string_view w)
{
    std::string_view power;
    for (const std::string_view p : { kSquared, kCubed }) {
        if (EndsWith(w, p)) {
            power = p;
            w.remove_suffix(p.size());
        }
    }
    if (w.size() < 3 || !std::all_of(w.begin(), w.end(), [](char c) { return IsLetter(c) || c == '-'; })
        || !(w.front() >= 'a' && w.front() <= 'z'))
        return {};
    std::string out;
    if (w == "foot")
        out = "feet";
    else if (w == "inch" || EndsWith(w, "s") || EndsWith(w, "x") || EndsWith(w, "ch") || EndsWith(w, "sh"))
        out = std::string(w) + "es";
    else if (EndsWith(w, "y") && std::string_view("aeiou").find(w[w.size() - 2]) == std::string_view::npos)
        out = std::string(w.substr(0, w.size() - 1)) + "ies";
    else
        out = std::string(w) + "s";
    return out.append(power);
}

// Plurals of a name: its last word, and its first ("degrees Celsius", "miles per hour").
std::vector<std::string> Plurals(std::string_view name)
{
    std::vector<std::string> words = Words(name);
    std::vector<std::string> out;
    if (words.empty())
        return out;
    for (const std::size_t i : { words.size() - 1, std::size_t { 0 } }) {
        const std::string plural = PluralWord(words[i]);
        if (plural.empty())
            continue;
        std::vector<std::string> w = words;
        w[i] = plural;
        out.push_back(Join(w));
        if (words.size() == 1)
            break;
    }
    return out;
}

double PowerOfTen(int n)
{
    // Read from text, so the double is the correctly rounded power.
    const std::string text = "1e" + std::to_string(n);
    double v = 1;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

std::int16_t UnitLabelled(const Catalogue &cat, std::int16_t group, std::string_view label)
{
    if (group == kTimeGroup || group == kFrequencyGroup) {
        const auto units = vocabulary::QueryUnits(group);
        for (std::size_t u = 0; u < units.size(); ++u) {
            if (units[u].label == label)
                return static_cast<std::int16_t>(u);
        }
        return -1;
    }
    for (std::int16_t u = 0; u < cat.UnitCount[group]; ++u) {
        if (cat.UnitName[group][u] == label)
            return u;
    }
    return -1;
}

} // namespace

std::string CanonicalName(std::string_view name)
{
    std::string s = words::PlainQuotes(name);
    constexpr std::pair<std::string_view, std::string_view> kForms[] = {
        { kMicro, "u" },
        { kGreekMu, "u" },
        { "\xC2\xBA", kDegree }, // º, the ordinal sign
        { "\xCB\x9A", kDegree }, // ˚, the ring above
        { "\xC2\xB7", "-" }, // ·
        { "\xE2\x8B\x85", "-" }, // ⋅
        { "*", "-" },
        { "metre", "meter" },
        { "litre", "liter" },
        { "gramme", "gram" },
        { "\t", " " },
    };
    for (const auto &[from, to] : kForms)
        s = ReplaceAll(s, from, to);
    s = Powers(AbbreviationPeriods(PowerWords(s)));
    // "° C" as "°C".
    s = ReplaceAll(s, std::string(kDegree) + " ", kDegree);
    return s;
}

Vocabulary::Vocabulary(const Catalogue &cat)
    : m_cat(cat)
{
    addCatalogueNames();
    addRows();
    addPrefixed();
}

void Vocabulary::add(const std::string &name, const UnitUse &use, bool derived)
{
    const std::string canonical = CanonicalName(name);
    if (canonical.empty())
        return;
    if (derived && m_exact.count(canonical) && !m_derived.count(canonical))
        return; // a name of its own wins over a prefixed reading ("min" is the minute)
    auto &exact = m_exact[canonical];
    if (std::find(exact.begin(), exact.end(), use) != exact.end())
        return;
    exact.push_back(use);
    if (derived)
        m_derived[canonical] = true;
    auto &folded = (derived ? m_foldedDerived : m_folded)[Lower(canonical)];
    if (std::find(folded.begin(), folded.end(), use) == folded.end())
        folded.push_back(use);
    m_entries.push_back({ Lower(canonical), label(use.group, use.unit) });
}

void Vocabulary::addCatalogueNames()
{
    for (std::int16_t g = 0; g < kGroupSlots; ++g) {
        for (std::int16_t u = 0; u < m_cat.UnitCount[g] && u < kUnitSlots; ++u) {
            const UnitUse use { g, u, 1, shown(g, u) };
            for (const std::string &name : LabelNames(m_cat.UnitName[g][u])) {
                add(name, use, false);
                for (const std::string &plural : Plurals(name))
                    add(plural, use, false);
            }
        }
    }
    for (const std::int16_t g : { kTimeGroup, kFrequencyGroup }) {
        const auto units = vocabulary::QueryUnits(g);
        for (std::size_t u = 0; u < units.size(); ++u) {
            const auto unit = static_cast<std::int16_t>(u);
            const UnitUse use { g, unit, 1, shown(g, unit) };
            for (const std::string &name : LabelNames(units[u].label))
                add(name, use, false);
        }
    }
}

void Vocabulary::addRows()
{
    for (const NameRow &row : vocabulary::NameRows()) {
        const std::int16_t unit = UnitLabelled(m_cat, row.group, row.unit);
        if (unit < 0)
            continue; // a test holds every row to a unit
        const UnitUse use {
            row.group, unit, row.scale, row.shown.empty() ? shown(row.group, unit) : std::string(row.shown)
        };
        for (const std::string_view name : Split(row.names, "; ")) {
            add(std::string(name), use, false);
            for (const std::string &plural : Plurals(CanonicalName(name)))
                add(plural, use, false);
        }
    }
}

void Vocabulary::addPrefixed()
{
    for (const PrefixBase &base : kPrefixBases) {
        const std::int16_t unit = UnitLabelled(m_cat, base.group, base.unit);
        if (unit < 0)
            continue;
        const auto symbols = Split(base.symbols, "; ");
        for (const Prefix &prefix : kPrefixes) {
            const UnitUse use { base.group,
                unit,
                base.scale * PowerOfTen(prefix.power * base.dimension),
                (prefix.symbol == "u" ? std::string(kMicro) : std::string(prefix.symbol))
                    + std::string(symbols.front()) };
            for (const std::string_view symbol : symbols) {
                const std::string name = std::string(prefix.symbol) + std::string(symbol);
                if (std::find(std::begin(kReserved), std::end(kReserved), name) == std::end(kReserved))
                    add(name, use, true);
            }
            for (const std::string_view prefixName : Split(prefix.names, "; ")) {
                for (const std::string_view baseName : Split(base.names, "; ")) {
                    const std::string name = std::string(prefixName) + std::string(baseName);
                    add(name, use, true);
                    for (const std::string &plural : Plurals(CanonicalName(name)))
                        add(plural, use, true);
                }
            }
        }
    }
}

std::vector<Vocabulary::Found> Vocabulary::lookup(std::string_view name) const
{
    const std::string canonical = CanonicalName(Trim(name));
    std::vector<Found> found;
    if (const auto at = m_exact.find(canonical); at != m_exact.end()) {
        for (const UnitUse &use : at->second)
            found.push_back({ use, 0 });
    }
    // With case ignored, in the groups where the name as written names nothing ("MILE", while "M"
    // as written is the mega of the Metric Prefixes).
    // Never the Metric Prefixes: "G" for "g" would read any gram as a giga.
    const std::string folded = Lower(canonical);
    const std::size_t exact = found.size();
    for (const auto *map : { &m_folded, &m_foldedDerived }) {
        const auto at = map->find(folded);
        if (at == map->end())
            continue;
        for (const UnitUse &use : at->second) {
            const bool named = std::any_of(found.begin(),
                found.begin() + static_cast<std::ptrdiff_t>(exact),
                [&use](const Found &f) { return f.use.group == use.group; });
            if (!named && use.group != pnPrefixGrp)
                found.push_back({ use, 1 });
        }
        break;
    }
    return found;
}

std::string Vocabulary::groupName(std::int16_t group) const
{
    if (group >= 0 && group < kGroupSlots)
        return m_cat.GroupName[group];
    return std::string(vocabulary::QueryGroupName(group));
}

std::string Vocabulary::label(std::int16_t group, std::int16_t unit) const
{
    if (group >= 0 && group < kGroupSlots)
        return unit >= 0 && unit < kUnitSlots ? m_cat.UnitName[group][unit] : std::string();
    const auto units = vocabulary::QueryUnits(group);
    return unit >= 0 && static_cast<std::size_t>(unit) < units.size() ? std::string(units[unit].label)
                                                                      : std::string();
}

std::string Vocabulary::shown(std::int16_t group, std::int16_t unit) const
{
    const std::string text = label(group, unit);
    for (const NameRow &row : vocabulary::NameRows()) {
        if (row.group == group && row.scale == 1 && !row.shown.empty() && row.unit == text)
            return std::string(row.shown);
    }
    // The symbol before the colon, its first alternative ("Gs" of "Gs, G: gauss"); a label without
    // one stands for itself ("ton, long", "cal (IT)").
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon == 0)
        return std::string(Trim(text));
    const std::string symbol = text.substr(0, colon);
    const auto alternatives = Split(symbol, ",");
    return alternatives.empty() ? std::string(Trim(symbol)) : std::string(alternatives.front());
}

} // namespace core
