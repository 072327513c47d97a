// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/Query.h"

#include <algorithm>
#include <map>
#include <set>

namespace core {
namespace {

constexpr std::string_view kMicro = "\xC2\xB5"; // µ, as the labels write it
constexpr std::string_view kGreekMu = "\xCE\xBC"; // μ, as some keyboards type it
constexpr std::string_view kDegree = "\xC2\xB0"; // °
constexpr std::string_view kConnectors[] = { "to", "in", "into", "as" };

// Match quality: names as written beat names matched with case ignored.
enum Tier { kAsWritten = 0, kCaseIgnored = 1, kNoMatch = 2 };

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Words(std::string_view s)
{
    std::vector<std::string_view> words;
    for (std::size_t i = 0; i < s.size();) {
        while (i < s.size() && IsBlank(s[i]))
            ++i;
        const std::size_t start = i;
        while (i < s.size() && !IsBlank(s[i]))
            ++i;
        if (i > start)
            words.push_back(s.substr(start, i - start));
    }
    return words;
}

std::string Join(const std::vector<std::string_view> &words, std::size_t from, std::size_t to)
{
    std::string s;
    for (std::size_t i = from; i < to; ++i)
        s.append(i > from ? " " : "").append(words[i]);
    return s;
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char &c : out)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return out;
}

// Built anew rather than replaced in place: g++ 12 at -O3 warns falsely (-Wrestrict, GCC bug 105651)
// about std::string::replace here.
std::string ReplaceAll(std::string_view s, std::string_view what, std::string_view with)
{
    std::string out;
    for (std::size_t at = s.find(what); at != std::string_view::npos; at = s.find(what)) {
        out.append(s.substr(0, at)).append(with);
        s.remove_prefix(at + what.size());
    }
    return out.append(s);
}

// The form both labels and typed names are compared in: "u" for µ, no degree sign, no leading "deg"
// before a blank or a capital ("degC", "deg Celsius"; "degree" keeps it), blanks single.
std::string Normal(std::string_view s)
{
    const std::vector<std::string_view> words = Words(s);
    std::string out = ReplaceAll(
        ReplaceAll(ReplaceAll(Join(words, 0, words.size()), kMicro, "u"), kGreekMu, "u"), kDegree, "");
    out = std::string(Trim(out));
    if (out.size() >= 3 && Lower(out.substr(0, 3)) == "deg"
        && (out.size() == 3 || out[3] == ' ' || (out[3] >= 'A' && out[3] <= 'Z')))
        out = std::string(Trim(std::string_view(out).substr(3)));
    return out;
}

void SplitInto(std::string_view s, std::vector<std::string> &out)
{
    // Alternatives are separated by "," or " = ": "ft: foot, feet", "Pa: pascal = N/m²".
    const std::string text = ReplaceAll(s, " = ", ",");
    std::size_t start = 0;
    for (std::size_t comma = text.find(',');; comma = text.find(',', start)) {
        const std::string_view part = Trim(std::string_view(text).substr(start, comma - start));
        if (!part.empty())
            out.emplace_back(part);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
}

// Every name a label answers to, as written and in the normal form.
std::vector<std::string> Alternatives(std::string_view label)
{
    std::vector<std::string> raw { std::string(Trim(label)) };
    const std::size_t colon = label.find(':');
    if (colon != std::string_view::npos && colon > 0) {
        SplitInto(label.substr(0, colon), raw);
        SplitInto(label.substr(colon + 1), raw);
    } else {
        SplitInto(label, raw);
    }
    // "micron (µ)", "ångström (Å)": a symbol in parentheses after a name. Only a symbol of its own
    // (not plain letters, which are qualifiers: "twip (X)", "gallon (US)").
    const std::size_t open = label.rfind(" (");
    if (colon == std::string_view::npos && open != std::string_view::npos && label.back() == ')') {
        const std::string_view inside = label.substr(open + 2, label.size() - open - 3);
        if (inside.size() <= 4
            && std::any_of(inside.begin(), inside.end(), [](char c) { return c & 0x80; })) {
            raw.emplace_back(Trim(label.substr(0, open)));
            raw.emplace_back(inside);
        }
    }
    std::vector<std::string> all;
    for (const std::string &name : raw) {
        for (std::string form : { name, Normal(name) }) {
            if (!form.empty() && std::find(all.begin(), all.end(), form) == all.end())
                all.push_back(std::move(form));
        }
    }
    return all;
}

bool EndsWith(std::string_view s, std::string_view end)
{
    return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

// "miles" for "mile", "inches" for "inch"; words of three letters or more only, so symbols such as
// "m" do not take an "s" ("ms" is no plural of "m").
bool IsPlural(std::string_view typed, std::string_view name)
{
    if (name.size() < 3
        || !((name.back() >= 'a' && name.back() <= 'z') || (name.back() >= 'A' && name.back() <= 'Z')))
        return false;
    if (typed.size() == name.size() + 1)
        return typed.substr(0, name.size()) == name && (typed.back() == 's' || typed.back() == 'S');
    const bool takesEs =
        EndsWith(name, "s") || EndsWith(name, "x") || EndsWith(name, "ch") || EndsWith(name, "sh");
    return takesEs && typed.size() == name.size() + 2 && typed.substr(0, name.size()) == name
        && Lower(typed.substr(name.size())) == "es";
}

// A unit's names, as written and in lower case.
struct Names
{
    std::vector<std::string> written;
    std::vector<std::string> lower;
};

Names NamesOf(std::string_view label)
{
    Names n { Alternatives(label), {} };
    for (const std::string &name : n.written)
        n.lower.push_back(Lower(name));
    return n;
}

// A typed name in the forms it is compared in, worked out once per query.
struct Typed
{
    explicit Typed(std::string_view typed)
    {
        for (std::string form : { std::string(Trim(typed)), Normal(typed) }) {
            if (!form.empty()) {
                lower.push_back(Lower(form));
                written.push_back(std::move(form));
            }
        }
    }
    std::vector<std::string> written;
    std::vector<std::string> lower;
};

bool AnyMatch(const std::vector<std::string> &forms, const std::vector<std::string> &names)
{
    for (const std::string &form : forms) {
        for (const std::string &name : names) {
            if (form == name || IsPlural(form, name))
                return true;
        }
    }
    return false;
}

Tier MatchTier(const Names &names, const Typed &typed)
{
    if (AnyMatch(typed.written, names.written))
        return kAsWritten;
    return AnyMatch(typed.lower, names.lower) ? kCaseIgnored : kNoMatch;
}

// The names of every unit of every group that has units.
class Index
{
public:
    explicit Index(const Catalogue &cat)
    {
        for (int g = 0; g < kGroupSlots; ++g) {
            for (int u = 0; u < cat.UnitCount[g] && u < kUnitSlots; ++u)
                m_units.push_back({ static_cast<std::int16_t>(g),
                    static_cast<std::int16_t>(u),
                    NamesOf(cat.UnitName[g][u]) });
        }
    }

    struct Unit
    {
        std::int16_t group;
        std::int16_t unit;
        Names names;
    };
    struct Match
    {
        std::int16_t unit;
        Tier tier;
    };

    // For each group: the units `typed` names there at its best tier.
    std::map<std::int16_t, std::vector<Match>> bestMatches(std::string_view text) const
    {
        const Typed typed(text);
        std::map<std::int16_t, std::vector<Match>> found;
        for (const Unit &u : m_units) {
            const Tier tier = MatchTier(u.names, typed);
            if (tier != kNoMatch)
                found[u.group].push_back({ u.unit, tier });
        }
        for (auto &[group, matches] : found) {
            Tier best = kNoMatch;
            for (const Match &m : matches)
                best = std::min(best, m.tier);
            std::erase_if(matches, [best](const Match &m) { return m.tier != best; });
        }
        return found;
    }

    // For each group: the one unit `typed` names there, at its best tier; groups where it names
    // several units equally well have none.
    std::map<std::int16_t, Match> resolve(std::string_view typed) const
    {
        std::map<std::int16_t, Match> unique;
        for (const auto &[group, matches] : bestMatches(typed)) {
            if (matches.size() == 1)
                unique[group] = matches.front();
        }
        return unique;
    }

    bool knows(std::string_view text) const
    {
        const Typed typed(text);
        return std::any_of(m_units.begin(), m_units.end(), [&typed](const Unit &u) {
            return MatchTier(u.names, typed) != kNoMatch;
        });
    }

    const std::vector<Unit> &units() const { return m_units; }

private:
    std::vector<Unit> m_units;
};

bool StartsLikeANumber(std::string_view s)
{
    return !s.empty() && ((s[0] >= '0' && s[0] <= '9') || s[0] == '.' || s[0] == '-' || s[0] == '+');
}

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

struct Split
{
    std::string from;
    std::string into;
};

std::vector<Split> Splits(const std::vector<std::string_view> &words)
{
    std::vector<Split> splits;
    for (std::size_t i = 2; i + 1 < words.size(); ++i) {
        for (std::string_view connector : kConnectors) {
            if (Lower(words[i]) == connector)
                splits.push_back({ Join(words, 1, i), Join(words, i + 1, words.size()) });
        }
    }
    for (std::size_t i = 2; i < words.size(); ++i)
        splits.push_back({ Join(words, 1, i), Join(words, i, words.size()) });
    return splits;
}

} // namespace

std::optional<Query> ReadQuery(const Catalogue &cat, std::string_view text)
{
    const std::vector<std::string_view> words = Words(text);
    if (words.size() < 3 || !StartsLikeANumber(words[0]))
        return std::nullopt;
    const Index index(cat);
    Query q;
    q.value = std::string(words[0]);
    Tier best = kNoMatch;
    std::size_t fewestUnknown = 3;
    for (const Split &split : Splits(words)) {
        const auto from = index.resolve(split.from);
        const auto into = index.resolve(split.into);
        for (const auto &[group, f] : from) {
            const auto i = into.find(group);
            if (i == into.end() || (group == pnSpeedGrp && i->second.unit == pnWarpUnit))
                continue;
            const Tier tier = std::max(f.tier, i->second.tier);
            const QueryReading reading { group, f.unit, i->second.unit };
            if (tier < best) {
                best = tier;
                q.readings.clear();
            }
            if (tier == best
                && std::find(q.readings.begin(), q.readings.end(), reading) == q.readings.end()) {
                q.readings.push_back(reading);
                q.fromText = split.from;
                q.intoText = split.into;
            }
        }
        if (best != kNoMatch)
            continue;
        // No reading yet: remember the split whose names are best known, for the message.
        std::vector<std::string> unknown;
        for (const std::string &name : { split.from, split.into }) {
            if (!index.knows(name))
                unknown.push_back(name);
        }
        if (unknown.size() < fewestUnknown) {
            fewestUnknown = unknown.size();
            q.unknown = std::move(unknown);
            q.fromText = split.from;
            q.intoText = split.into;
        }
    }
    if (!q.readings.empty())
        q.unknown.clear();
    std::sort(q.readings.begin(), q.readings.end(), [](const QueryReading &a, const QueryReading &b) {
        return a.group < b.group;
    });
    return q;
}

std::optional<std::string> Answer(const Catalogue &cat,
    const Query &q,
    const QueryReading &r,
    std::int16_t pnFigure,
    std::int16_t pnFormFlag,
    const CommaNotice &onComma)
{
    ConvertInput in;
    in.group = r.group;
    in.from = r.from;
    in.into = r.into;
    in.text = q.value;
    in.pnFigure = pnFigure;
    in.pnFormFlag = pnFormFlag;
    return Convert(cat, in, onComma);
}

std::optional<std::int16_t> FindUnit(const Catalogue &cat, std::int16_t group, std::string_view name)
{
    const auto found = Index(cat).resolve(name);
    const auto at = found.find(group);
    return at == found.end() ? std::nullopt : std::optional(at->second.unit);
}

std::vector<UnitsNamed> AmbiguousNames(const Catalogue &cat, std::string_view name)
{
    std::vector<UnitsNamed> out;
    for (const auto &[group, matches] : Index(cat).bestMatches(name)) {
        if (matches.size() < 2)
            continue;
        UnitsNamed named { group, {} };
        for (const auto &m : matches)
            named.units.push_back(m.unit);
        out.push_back(std::move(named));
    }
    return out;
}

std::string UnitSymbol(std::string_view label)
{
    const std::size_t colon = label.find(':');
    return std::string(Trim(colon == std::string_view::npos || colon == 0 ? label : label.substr(0, colon)));
}

std::vector<std::string> SimilarLabels(const Catalogue &cat, std::string_view name, std::size_t most)
{
    const std::string typed = Lower(Normal(name));
    if (typed.empty())
        return {};
    std::map<std::string, std::size_t> score; // label → its closest name's distance
    std::vector<std::string> order;
    const Index index(cat);
    for (const auto &unit : index.units()) {
        std::size_t closest = SIZE_MAX;
        for (const std::string &alt : unit.names.lower)
            closest = std::min(closest, Distance(typed, alt));
        const std::string &label = cat.UnitName[unit.group][unit.unit];
        if (!score.count(label))
            order.push_back(label);
        score[label] = std::min(score.count(label) ? score[label] : SIZE_MAX, closest);
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

} // namespace core
