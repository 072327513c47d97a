// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/Query.h"

#include "core/Words.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <set>

namespace core {
namespace {

using words::IsBlank;
using words::Lower;
using words::ReplaceAll;
using words::Trim;
using words::Words;

constexpr std::string_view kConnectors[] = { "to", "in", "into", "as", "=", "->", "=>" };
// Readings in these groups are offered only when no other group reads: "1 T in G" means teslas.
constexpr std::int16_t kLastResortGroups[] = { pnPrefixGrp, pnNumSysGrp };
// More readings than this from one split are no answer anyone wants listed.
constexpr std::size_t kMostReadings = 12;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string Join(const std::vector<std::string> &words, std::size_t from, std::size_t to)
{
    std::string s;
    for (std::size_t i = from; i < to && i < words.size(); ++i)
        s.append(i > from ? " " : "").append(words[i]);
    return s;
}

// ---- Numbers ------------------------------------------------------------------------------------

struct NumberRead
{
    double value = 0;
    std::size_t length = 0; // bytes of the text taken
    std::string refusal; // non-empty: a number is there but cannot be read safely
};

std::optional<double> Parse(std::string_view clean)
{
    double v = 0;
    const auto r = std::from_chars(clean.data(), clean.data() + clean.size(), v);
    if (r.ec != std::errc() || r.ptr != clean.data() + clean.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// "1,000" and "12,345,678.5": groups of three after the first.
bool Grouped(std::string_view run, char separator, char decimal)
{
    const std::size_t point = run.find(decimal);
    const std::string_view whole = run.substr(0, point);
    if (point != std::string_view::npos
        && run.substr(point + 1).find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    const std::size_t first = whole.find(separator);
    if (first == 0 || first > 3 || first == std::string_view::npos)
        return false;
    for (std::size_t at = first; at < whole.size(); at += 4) {
        if (whole[at] != separator || at + 4 > whole.size()
            || whole.substr(at + 1, 3).find_first_not_of("0123456789") != std::string_view::npos)
            return false;
        if (at + 4 != whole.size() && whole[at + 4] != separator)
            return false;
    }
    return true;
}

// The digits of a number with its separators as the user's locale writes them, as C text; nullopt
// when the separators fit no reading.
std::optional<std::string> Decimal(std::string_view run, NumberStyle style)
{
    const auto strip = [](std::string_view s, char c) {
        std::string out;
        for (char ch : s) {
            if (ch != c)
                out.push_back(ch);
        }
        return out;
    };
    const bool comma = run.find(',') != std::string_view::npos;
    const auto periods = std::count(run.begin(), run.end(), '.');
    if (style.decimalComma) {
        if (comma && periods == 0 && std::count(run.begin(), run.end(), ',') == 1)
            return ReplaceAll(run, ",", ".");
        if (Grouped(run, '.', ','))
            return ReplaceAll(strip(run, '.'), ",", ".");
        if (!comma && periods <= 1)
            return std::string(run);
        return std::nullopt;
    }
    if (!comma)
        return periods <= 1 ? std::optional(std::string(run)) : std::nullopt;
    if (Grouped(run, ',', '.'))
        return strip(run, ',');
    return std::nullopt;
}

// A power of ten written out: "e3", "E-3", "×10^3", "x10^-3", "*10^3".
std::size_t Exponent(std::string_view s, std::string &clean)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
    } else {
        for (const std::string_view times : { "\xC3\x97" /* × */, "x", "*", "\xC2\xB7" /* · */ }) {
            std::string_view rest = s;
            while (!rest.empty() && IsBlank(rest.front()))
                rest.remove_prefix(1);
            if (rest.substr(0, times.size()) != times)
                continue;
            rest.remove_prefix(times.size());
            while (!rest.empty() && IsBlank(rest.front()))
                rest.remove_prefix(1);
            if (rest.substr(0, 3) == "10^") {
                i = s.size() - rest.size() + 3;
                break;
            }
        }
        if (i == 0)
            return 0;
    }
    const std::size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const std::size_t digits = i;
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    if (i == digits)
        return 0;
    clean.append("e").append(s.substr(start, i - start));
    return i;
}

std::optional<NumberRead> ReadNumber(std::string_view s, NumberStyle style)
{
    std::size_t i = 0;
    std::string clean;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        clean.append(s[i++] == '-' ? "-" : ""); // from_chars takes no plus sign
    const std::size_t runStart = i;
    // Digits, with a period or comma only between digits.
    while (i < s.size()
        && (IsDigit(s[i])
            || ((s[i] == '.' || s[i] == ',') && i + 1 < s.size() && IsDigit(s[i + 1])
                && (s[i] == '.' || i > runStart))))
        ++i;
    const std::string_view run = s.substr(runStart, i - runStart);
    if (run.empty() || std::none_of(run.begin(), run.end(), IsDigit))
        return std::nullopt;
    NumberRead n;
    const auto decimal = Decimal(run, style);
    if (!decimal) {
        n.refusal = "\"" + std::string(s.substr(0, i)) + "\" is not a number here: "
            + (style.decimalComma
                    ? "write a comma only before the decimals"
                    : "write a period before the decimals (a comma only groups thousands, as in 1,000)");
        n.length = i;
        return n;
    }
    clean += *decimal;
    const bool whole = run.find_first_not_of("0123456789") == std::string_view::npos;
    // A fraction: "1/2", or a whole number and one: "1 1/2".
    const auto fraction = [&](std::size_t at) -> std::optional<std::pair<double, std::size_t>> {
        std::size_t j = at;
        const std::size_t top = j;
        while (j < s.size() && IsDigit(s[j]))
            ++j;
        if (j == top || j >= s.size() || s[j] != '/')
            return std::nullopt;
        const std::size_t bottom = ++j;
        while (j < s.size() && IsDigit(s[j]))
            ++j;
        const auto a = Parse(s.substr(top, bottom - 1 - top));
        const auto b = Parse(s.substr(bottom, j - bottom));
        if (j == bottom || !a || !b || *b == 0)
            return std::nullopt;
        return std::pair { *a / *b, j };
    };
    if (whole && i < s.size() && s[i] == '/') {
        if (const auto f = fraction(runStart)) {
            n.value = !clean.empty() && clean[0] == '-' ? -f->first : f->first;
            n.length = f->second;
            return n;
        }
        return std::nullopt;
    }
    if (whole && i + 1 < s.size() && IsBlank(s[i])) {
        std::size_t j = i;
        while (j < s.size() && IsBlank(s[j]))
            ++j;
        if (const auto f = fraction(j)) {
            const auto w = Parse(std::string_view(*decimal));
            if (w) {
                n.value = (*w + f->first) * (!clean.empty() && clean[0] == '-' ? -1 : 1);
                n.length = f->second;
                return n;
            }
        }
    }
    i += Exponent(s.substr(i), clean);
    const auto v = Parse(clean);
    if (!v) {
        n.refusal = "\"" + std::string(s.substr(0, i)) + "\" is beyond the range of numbers";
        n.length = i;
        return n;
    }
    n.value = *v;
    n.length = i;
    return n;
}

// ---- Text ---------------------------------------------------------------------------------------

// Typographic forms as plain text: the minus sign, arrows, vulgar fractions ("1½" is "1 1/2"),
// no-break and thin spaces.
// A space before a form, and `after` behind it. Built by appending: g++ 12 at -O3 warns
// falsely (-Wrestrict) on `" " + std::string(...)`.
std::string Padded(std::string_view form, std::string_view after)
{
    std::string out(1, ' ');
    out += form;
    out += after;
    return out;
}

std::string Plain(std::string_view text)
{
    constexpr std::pair<std::string_view, std::string_view> kForms[] = {
        { "\xE2\x88\x92", "-" }, // − minus sign
        { "\xE2\x80\x93", "-" }, // – en dash
        { "\xE2\x86\x92", " -> " }, // →
        { "\xE2\x87\x92", " -> " }, // ⇒
        { "\xC2\xA0", " " },
        { "\xE2\x80\x89", " " },
        { "\xE2\x80\xAF", " " },
        { "\t", " " },
    };
    constexpr std::pair<std::string_view, std::string_view> kFractions[] = {
        { "\xC2\xBD", "1/2" },
        { "\xC2\xBC", "1/4" },
        { "\xC2\xBE", "3/4" },
        { "\xE2\x85\x93", "1/3" },
        { "\xE2\x85\x94", "2/3" },
        { "\xE2\x85\x95", "1/5" },
        { "\xE2\x85\x9B", "1/8" },
        { "\xE2\x85\x9C", "3/8" },
        { "\xE2\x85\x9D", "5/8" },
        { "\xE2\x85\x9E", "7/8" },
    };
    std::string s = words::PlainQuotes(text);
    for (const auto &[from, to] : kForms)
        s = ReplaceAll(s, from, to);
    for (const auto &[from, to] : kFractions)
        s = ReplaceAll(s, from, Padded(to, ""));
    // "10 ft->m": arrows and equals signs stand apart.
    for (const std::string_view arrow : { "->", "=>" })
        s = ReplaceAll(s, arrow, Padded(arrow, " "));
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool lone =
            s[i] == '=' && (i == 0 || s[i - 1] != '>') && (i + 1 == s.size() || s[i + 1] != '>');
        if (lone && !(i > 0 && s[i - 1] == '-'))
            out.append(" = ");
        else
            out.push_back(s[i]);
    }
    // A fraction after a minus or at the start loses the blank put before it.
    out = ReplaceAll(out, "- ", "-");
    return std::string(Trim(out));
}

bool StartsNumber(std::string_view s)
{
    std::size_t i = s.size() > 0 && (s[0] == '-' || s[0] == '+') ? 1 : 0;
    return i < s.size() && (IsDigit(s[i]) || (s[i] == '.' && i + 1 < s.size() && IsDigit(s[i + 1])));
}

// "convert 5 mi to km", "what is 5 mi in km?", "how many feet in a mile": the plain form.
std::string Question(std::string_view text)
{
    std::vector<std::string> words = Words(text);
    while (!words.empty()) {
        std::string &last = words.back();
        while (!last.empty() && (last.back() == '?' || last.back() == '!'))
            last.pop_back();
        if (last.empty() || Lower(last) == "please")
            words.pop_back();
        else
            break;
    }
    const auto lower = [&words](std::size_t i) { return i < words.size() ? Lower(words[i]) : std::string(); };
    std::size_t start = 0;
    if (lower(0) == "convert" || lower(0) == "calculate")
        start = 1;
    else if ((lower(0) == "what" || lower(0) == "how")
        && (lower(1) == "is" || lower(1) == "are" || lower(1) == "much"))
        start = lower(1) == "much" && (lower(2) == "is" || lower(2) == "are") ? 3 : 2;
    else if (lower(0) == "what's" || lower(0) == "whats")
        start = 1;
    if (lower(0) == "how" && lower(1) == "many") {
        // "how many X [are|is] [there] in|per|make [a|an|one|N] Y" → "N Y in X".
        for (std::size_t i = 3; i + 1 < words.size(); ++i) {
            const std::string w = lower(i);
            if (w != "in" && w != "per" && w != "make" && w != "makes" && w != "to")
                continue;
            std::size_t end = i;
            while (
                end > 2 && (lower(end - 1) == "are" || lower(end - 1) == "is" || lower(end - 1) == "there"))
                --end;
            std::string value = "1";
            std::size_t from = i + 1;
            const std::string article = lower(from);
            if (article == "a" || article == "an" || article == "one")
                ++from;
            else if (StartsNumber(words[from]))
                value.clear();
            if (from >= words.size() || end <= 2)
                continue;
            std::string rest = Join(words, from, words.size());
            return (value.empty() ? "" : value + " ") + rest + " in " + Join(words, 2, end);
        }
        return {};
    }
    return Join(words, start, words.size());
}

// ---- Readings -----------------------------------------------------------------------------------

struct Part
{
    std::string number;
    double value;
    std::string name;
};

struct Parsed
{
    std::vector<Part> parts;
    std::vector<std::string> unknown;
    std::string refusal;
};

bool Known(const Vocabulary &vocab, std::string_view name)
{
    return !vocab.lookup(name).empty();
}

// "6 ft 2 in", "5'11\"", "100C": amounts, each a number and a unit name. A later number starts a
// new amount only after a blank or a foot or inch mark, and only when the whole rest is no unit name
// ("km/(100 L)" keeps its 100).
Parsed Amounts(const Vocabulary &vocab, std::string_view text, NumberStyle style, int depth = 0)
{
    Parsed p;
    text = Trim(text);
    const auto n = ReadNumber(text, style);
    if (!n)
        return p;
    if (!n->refusal.empty()) {
        p.refusal = n->refusal;
        return p;
    }
    const std::string number(Trim(text.substr(0, n->length)));
    const std::string_view rest = Trim(text.substr(n->length));
    if (rest.empty())
        return p;
    if (Known(vocab, rest)) {
        p.parts.push_back({ number, n->value, std::string(rest) });
        return p;
    }
    for (std::size_t j = 1; depth < 4 && j < rest.size(); ++j) {
        const char before = rest[j - 1];
        if (!(IsBlank(before) || before == '\'' || before == '"') || !StartsNumber(rest.substr(j)))
            continue;
        const std::string_view name = Trim(rest.substr(0, j));
        if (!Known(vocab, name))
            continue;
        Parsed tail = Amounts(vocab, rest.substr(j), style, depth + 1);
        if (!tail.parts.empty()) {
            p.parts.push_back({ number, n->value, std::string(name) });
            p.parts.insert(p.parts.end(), tail.parts.begin(), tail.parts.end());
            return p;
        }
    }
    p.unknown.emplace_back(rest);
    return p;
}

// The unit or units of the answer: "m", "ft+in", "feet and inches", "lb oz".
std::vector<std::string> Targets(
    const Vocabulary &vocab, std::string_view text, std::vector<std::string> &unknown)
{
    text = Trim(text);
    if (text.empty())
        return {};
    if (Known(vocab, text))
        return { std::string(text) };
    std::string spaced = ReplaceAll(ReplaceAll(ReplaceAll(text, "+", " "), "&", " "), ",", " ");
    std::vector<std::string> words = Words(spaced);
    std::erase_if(words, [](const std::string &w) { return Lower(w) == "and"; });
    if (words.size() >= 2 && words.size() <= 4
        && std::all_of(words.begin(), words.end(), [&](const std::string &w) { return Known(vocab, w); }))
        return words;
    unknown.emplace_back(text);
    return {};
}

bool IsAffine(std::int16_t g)
{
    return g == pnTempGrp || (g >= pnUserGrpFirst && g < pnCompGrpFirst);
}

struct Candidate
{
    std::vector<QueryReading> readings;
    int tier = 2;
};

// Every reading of one split: the groups where every name names a unit, each choice of unit where a
// name means several.
Candidate ReadingsOf(
    const Vocabulary &vocab, const std::vector<Part> &parts, const std::vector<std::string> &targets)
{
    std::vector<std::vector<Vocabulary::Found>> names;
    for (const Part &p : parts)
        names.push_back(vocab.lookup(p.name));
    for (const std::string &t : targets)
        names.push_back(vocab.lookup(t));
    std::set<std::int16_t> groups;
    for (const auto &f : names.front())
        groups.insert(f.use.group);
    Candidate c;
    for (const std::int16_t g : groups) {
        const bool simple = parts.size() == 1 && targets.size() == 1;
        if (!simple && (IsAffine(g) || g == pnPrefixGrp || g == pnNumSysGrp))
            continue;
        std::vector<std::vector<const Vocabulary::Found *>> choices;
        for (const auto &found : names) {
            choices.emplace_back();
            for (const auto &f : found) {
                if (f.use.group == g)
                    choices.back().push_back(&f);
            }
            if (choices.back().empty())
                break;
        }
        if (choices.size() != names.size() || choices.back().empty())
            continue;
        std::vector<std::size_t> at(choices.size(), 0);
        for (;;) {
            QueryReading r { g, {}, {} };
            int tier = 0;
            for (std::size_t i = 0; i < choices.size(); ++i) {
                const auto &f = *choices[i][at[i]];
                tier = std::max(tier, f.tier);
                if (i < parts.size())
                    r.from.push_back({ parts[i].number, parts[i].value, f.use });
                else
                    r.into.push_back(f.use);
            }
            const bool warpInto = g == pnSpeedGrp
                && std::any_of(
                    r.into.begin(), r.into.end(), [](const UnitUse &u) { return u.unit == pnWarpUnit; });
            const bool warpAmount = g == pnSpeedGrp && !simple
                && std::any_of(
                    r.from.begin(), r.from.end(), [](const Amount &a) { return a.unit.unit == pnWarpUnit; });
            bool repeated = false;
            for (std::size_t i = 0; i < r.into.size(); ++i) {
                for (std::size_t j = i + 1; j < r.into.size(); ++j)
                    repeated = repeated || r.into[i] == r.into[j];
            }
            if (!warpInto && !warpAmount && !repeated && c.readings.size() < kMostReadings) {
                if (tier < c.tier) {
                    c.tier = tier;
                    c.readings.clear();
                }
                if (tier == c.tier && std::find(c.readings.begin(), c.readings.end(), r) == c.readings.end())
                    c.readings.push_back(std::move(r));
            }
            std::size_t k = 0;
            while (k < at.size() && ++at[k] == choices[k].size())
                at[k++] = 0;
            if (k == at.size())
                break;
        }
    }
    return c;
}

// The measuring system a unit's label names: "gal: gallon (US)", "liq qt: quart (UK, liq)".
char System(const Vocabulary &vocab, const UnitUse &u)
{
    const std::string label = vocab.label(u.group, u.unit) + " " + u.shown;
    if (label.find("(US") != std::string::npos)
        return 'U';
    return label.find("(UK") != std::string::npos ? 'K' : 0;
}

// Readings that mix US and UK units ("US gallons in UK quarts") give way to those that keep to one
// system, where there are such.
void KeepToOneSystem(const Vocabulary &vocab, std::vector<QueryReading> &readings)
{
    const auto mixed = [&vocab](const QueryReading &r) {
        std::set<char> systems;
        for (const Amount &a : r.from)
            systems.insert(System(vocab, a.unit));
        for (const UnitUse &u : r.into)
            systems.insert(System(vocab, u));
        return systems.count('U') && systems.count('K');
    };
    if (!std::all_of(readings.begin(), readings.end(), mixed))
        std::erase_if(readings, mixed);
}

bool IsConnector(std::string_view word)
{
    const std::string w = Lower(word);
    return std::find(std::begin(kConnectors), std::end(kConnectors), w) != std::end(kConnectors);
}

} // namespace

std::optional<Query> ReadQuery(const Vocabulary &vocab, std::string_view text, NumberStyle style)
{
    if (text.size() > 1000)
        return std::nullopt;
    const std::string plain = Question(Plain(text));
    const std::vector<std::string> words = Words(plain);
    if (words.empty() || !StartsNumber(words[0]))
        return std::nullopt;
    struct Split
    {
        std::string from;
        std::string into;
        bool connector;
    };
    std::vector<Split> splits;
    for (std::size_t i = 1; i + 1 < words.size(); ++i) {
        if (IsConnector(words[i]))
            splits.push_back({ Join(words, 0, i), Join(words, i + 1, words.size()), true });
    }
    for (std::size_t k = 1; k < words.size(); ++k)
        splits.push_back({ Join(words, 0, k), Join(words, k, words.size()), false });

    Query q;
    Candidate best;
    bool bestByConnector = false;
    std::size_t fewestUnknown = SIZE_MAX;
    bool any = false;
    for (const Split &split : splits) {
        Parsed from = Amounts(vocab, split.from, style);
        if (!from.refusal.empty()) {
            q.refusal = from.refusal;
            return q;
        }
        std::vector<std::string> unknown = from.unknown;
        const std::vector<std::string> targets = Targets(vocab, split.into, unknown);
        if (from.parts.empty() && from.unknown.empty())
            continue; // no unit after the number: not this split
        any = true;
        if (!from.parts.empty() && !targets.empty()) {
            Candidate c = ReadingsOf(vocab, from.parts, targets);
            // A split at a connector word beats one without; then the better tier.
            const bool better = !c.readings.empty()
                && (best.readings.empty() || (split.connector && !bestByConnector)
                    || (split.connector == bestByConnector && c.tier < best.tier));
            if (better) {
                best = std::move(c);
                bestByConnector = split.connector;
            } else if (!c.readings.empty() && split.connector == bestByConnector && c.tier == best.tier) {
                for (QueryReading &r : c.readings) {
                    if (std::find(best.readings.begin(), best.readings.end(), r) == best.readings.end())
                        best.readings.push_back(std::move(r));
                }
            }
        }
        if (best.readings.empty() && unknown.size() < fewestUnknown) {
            fewestUnknown = unknown.size();
            q.unknown = unknown;
            q.names.clear();
            for (const Part &p : from.parts)
                q.names.push_back(p.name);
            for (const std::string &t : targets)
                q.names.push_back(t);
        }
    }
    if (!any)
        return std::nullopt;
    q.readings = std::move(best.readings);
    KeepToOneSystem(vocab, q.readings);
    const bool ordinary = std::any_of(q.readings.begin(), q.readings.end(), [](const QueryReading &r) {
        return std::find(std::begin(kLastResortGroups), std::end(kLastResortGroups), r.group)
            == std::end(kLastResortGroups);
    });
    if (ordinary) {
        std::erase_if(q.readings, [](const QueryReading &r) {
            return std::find(std::begin(kLastResortGroups), std::end(kLastResortGroups), r.group)
                != std::end(kLastResortGroups);
        });
    }
    std::stable_sort(q.readings.begin(), q.readings.end(), [](const QueryReading &a, const QueryReading &b) {
        return a.group < b.group;
    });
    if (!q.readings.empty()) {
        q.unknown.clear();
        q.names.clear();
    }
    return q;
}

namespace {

// `x` of unit `from` in unit `into` of the same group, each with its scale; nullopt when not finite.
std::optional<double> Between(const Vocabulary &vocab,
    std::int16_t group,
    const UnitUse &from,
    const UnitUse &into,
    double x,
    std::int16_t warpIndex)
{
    if (group == kTimeGroup || group == kFrequencyGroup) {
        const auto units = vocabulary::QueryUnits(group);
        const double y = x * from.scale * units[from.unit].factor / (units[into.unit].factor * into.scale);
        return std::isfinite(y) ? std::optional(y) : std::nullopt;
    }
    ConvertInput in;
    in.group = group;
    in.from = from.unit;
    in.into = into.unit;
    in.WarpIndex = warpIndex;
    const auto y = ConvertNumber(vocab.catalogue(), in, x * from.scale);
    if (!y || !std::isfinite(*y / into.scale))
        return std::nullopt;
    return *y / into.scale;
}

// "5 ft 6.92913 in": whole leading parts, the last one formatted; `x` is in the last unit.
std::optional<std::string> Compound(const Vocabulary &vocab,
    const QueryReading &r,
    const std::vector<std::string> &shown,
    double x,
    const AnswerSettings &settings)
{
    std::string out = x < 0 ? "-" : "";
    double rest = std::fabs(x);
    for (std::size_t i = 0; i + 1 < r.into.size(); ++i) {
        const auto size = Between(vocab, r.group, r.into[i], r.into.back(), 1, 0);
        if (!size || *size <= 0)
            return std::nullopt;
        const double whole = std::floor(rest / *size + 1e-9);
        if (whole > 1e15)
            return std::nullopt;
        rest = std::max(0.0, rest - whole * *size);
        out += std::to_string(static_cast<long long>(whole)) + " " + shown[i] + " ";
    }
    out += rest == 0 ? std::string("0") : FormatResult(rest, settings.pnFigure, settings.pnFormFlag);
    return out + " " + shown.back();
}

std::string Qualified(const Vocabulary &vocab, const UnitUse &use)
{
    const std::string label = vocab.label(use.group, use.unit);
    const std::size_t open = label.rfind(" (");
    if (use.scale != 1 || open == std::string::npos || label.back() != ')'
        || use.shown.find('(') != std::string::npos)
        return use.shown;
    return use.shown + label.substr(open);
}

// The unit at `position` of a reading: its amounts' units, then its answer's.
const UnitUse &UnitAt(const QueryReading &r, std::size_t position)
{
    return position < r.from.size() ? r.from[position].unit : r.into[position - r.from.size()];
}

// How each reading writes its units: qualified where another reading of the same group uses another
// unit in the same place ("gal (US)", "gal (UK)"; "hp (metric)" beside "hp (550 ft-lbf/s)").
std::vector<std::vector<std::string>> ShownNames(const Vocabulary &vocab, const Query &q)
{
    std::vector<std::vector<std::string>> shown(q.readings.size());
    for (std::size_t r = 0; r < q.readings.size(); ++r) {
        const QueryReading &reading = q.readings[r];
        for (std::size_t position = 0; position < reading.from.size() + reading.into.size(); ++position) {
            const UnitUse &u = UnitAt(reading, position);
            const bool othersDiffer =
                std::any_of(q.readings.begin(), q.readings.end(), [&](const QueryReading &o) {
                    return o.group == u.group && position < o.from.size() + o.into.size()
                        && !(UnitAt(o, position) == u);
                });
            shown[r].push_back(othersDiffer ? Qualified(vocab, u) : u.shown);
        }
    }
    return shown;
}

// The result text of one reading: the number systems through the Convert command, the rest as the
// amounts summed in the first one's unit, then converted into the answer's unit or units.
std::optional<std::string> Result(const Vocabulary &vocab,
    const QueryReading &reading,
    const std::vector<std::string> &intoNames,
    const AnswerSettings &settings)
{
    if (reading.group == pnNumSysGrp) {
        ConvertInput in;
        in.group = reading.group;
        in.from = reading.from[0].unit.unit;
        in.into = reading.into[0].unit;
        in.text = reading.from[0].number;
        const auto text = Convert(vocab.catalogue(), in).text;
        return text && !text->empty() && *text != kInputError ? text : std::nullopt;
    }
    const UnitUse &first = reading.from.front().unit;
    double total = reading.from.front().value;
    for (std::size_t i = 1; i < reading.from.size(); ++i) {
        const Amount &a = reading.from[i];
        const auto part = Between(vocab, reading.group, a.unit, first, a.value, settings.WarpIndex);
        if (!part)
            return std::nullopt;
        total += *part;
    }
    const auto y = Between(vocab, reading.group, first, reading.into.back(), total, settings.WarpIndex);
    if (!y)
        return std::nullopt;
    if (reading.into.size() == 1)
        return FormatResult(*y, settings.pnFigure, settings.pnFormFlag);
    return Compound(vocab, reading, intoNames, *y, settings);
}

} // namespace

std::vector<QueryAnswer> Answers(const Vocabulary &vocab, const Query &q, const AnswerSettings &settings)
{
    const auto shown = ShownNames(vocab, q);
    struct Made
    {
        QueryAnswer answer;
        std::string group;
    };
    std::vector<Made> made;
    for (std::size_t r = 0; r < q.readings.size(); ++r) {
        const QueryReading &reading = q.readings[r];
        const std::vector<std::string> &names = shown[r];
        const std::vector<std::string> intoNames(
            names.begin() + static_cast<std::ptrdiff_t>(reading.from.size()), names.end());
        std::string amount;
        for (std::size_t i = 0; i < reading.from.size(); ++i)
            amount += (i ? " " : "") + reading.from[i].number + " " + names[i];
        const auto result = Result(vocab, reading, intoNames, settings);
        if (!result)
            continue;
        QueryAnswer a;
        a.result = *result;
        a.reading = r;
        a.line = amount + " = " + *result + (reading.into.size() == 1 ? " " + intoNames[0] : "");
        if (reading.into.size() == 1)
            a.unit = intoNames[0];
        made.push_back({ std::move(a), vocab.groupName(reading.group) });
    }
    std::vector<Made> distinct;
    for (Made &m : made) {
        if (std::none_of(distinct.begin(), distinct.end(), [&m](const Made &d) {
                return d.answer.line == m.answer.line;
            }))
            distinct.push_back(std::move(m));
    }
    const bool severalGroups = std::any_of(distinct.begin(), distinct.end(), [&distinct](const Made &m) {
        return m.group != distinct.front().group;
    });
    std::vector<QueryAnswer> out;
    for (Made &m : distinct) {
        if (severalGroups)
            m.answer.line = m.group + ": " + m.answer.line;
        out.push_back(std::move(m.answer));
    }
    return out;
}

std::vector<std::int16_t> UnitsNamed(const Vocabulary &vocab, std::int16_t group, std::string_view name)
{
    std::vector<std::int16_t> units;
    for (const auto &f : vocab.lookup(name)) {
        if (f.use.group == group && f.use.scale == 1
            && std::find(units.begin(), units.end(), f.use.unit) == units.end())
            units.push_back(f.use.unit);
    }
    return units;
}

std::string UnitSymbol(std::string_view label)
{
    const std::size_t colon = label.find(':');
    return std::string(Trim(colon == std::string_view::npos || colon == 0 ? label : label.substr(0, colon)));
}

namespace {

std::size_t Distance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({ row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1) });
            diagonal = above;
        }
    }
    return row[b.size()];
}

bool HoldsWord(std::string_view label, std::string_view word)
{
    const std::string lower = Lower(label);
    for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
        const auto isWordChar = [](char c) { return (c >= 'a' && c <= 'z') || IsDigit(c); };
        const bool starts = at == 0 || !isWordChar(lower[at - 1]);
        const bool ends = at + word.size() == lower.size() || !isWordChar(lower[at + word.size()]);
        if (starts && ends)
            return true;
    }
    return false;
}

} // namespace

std::vector<std::string> SimilarLabels(const Vocabulary &vocab, std::string_view name, std::size_t most)
{
    const std::string typed = Lower(CanonicalName(Trim(name)));
    if (typed.empty())
        return {};
    std::map<std::string, std::size_t> score; // label → its closest name's distance
    std::vector<std::string> order;
    for (const auto &entry : vocab.entries()) {
        const std::size_t d = HoldsWord(entry.label, typed) ? 0 : Distance(typed, entry.name);
        if (!score.count(entry.label)) {
            order.push_back(entry.label);
            score[entry.label] = d;
        }
        score[entry.label] = std::min(score[entry.label], d);
    }
    const std::size_t limit = std::max<std::size_t>(2, typed.size() / 3);
    std::vector<std::string> close;
    for (const std::string &label : order) {
        if (score[label] <= limit)
            close.push_back(label);
    }
    std::stable_sort(close.begin(), close.end(), [&score](const std::string &a, const std::string &b) {
        return score[a] < score[b];
    });
    if (close.size() > most)
        close.resize(most);
    return close;
}

std::vector<std::string> ReadAs(const Vocabulary &vocab, std::string_view name)
{
    std::vector<std::string> out;
    for (const auto &f : vocab.lookup(name)) {
        const std::string text = (f.use.scale == 1 ? vocab.label(f.use.group, f.use.unit) : f.use.shown)
            + " (" + vocab.groupName(f.use.group) + ")";
        if (std::find(out.begin(), out.end(), text) == out.end())
            out.push_back(text);
    }
    return out;
}

} // namespace core
