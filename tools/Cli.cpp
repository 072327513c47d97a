// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "tools/Cli.h"

#include "core/Query.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace cli {
namespace {

constexpr std::string_view kUsage = R"(Usage: orlo-convert [OPTIONS] GROUP FROM INTO [VALUE]
       orlo-convert [OPTIONS] VALUE UNIT [to|in|into|as] UNIT
       orlo-convert --list [GROUP]
       orlo-convert --version

Converts VALUE from the unit FROM into the unit INTO of the quantity group GROUP
and prints the result exactly as the converter window shows it. Without VALUE,
converts every line of standard input, one result a line.

A query ("5 mi in m", "100 C to F", "1 ft m", "255 Decimal Hexadecimal", as
separate words or as one argument) finds the group that holds both units and
prints "5 mi = 8046.72 m"; with --bare only the result. Units are named by a
label, its symbol, a name after the ":" or an alternative ("mile", "feet",
"nautical miles", "C", "degC", "deg Celsius", "um" for "µm"). When several
groups hold both units, every reading is listed and the exit status is 1; an
unknown unit is a usage error with the closest labels suggested. When the
arguments also read as GROUP FROM INTO [VALUE], that form wins.

GROUP is a group number or name, FROM and INTO are list positions or unit
labels (see --list). A name matches a label, the symbol before a label's ":",
or an unambiguous prefix of a label with case ignored: "Length mi m" works.
Warp (Velocity, Speed) is a FROM unit only; its speed is chosen with --warp.

Options:
  --figures N     significant figures: 4, 6 (default), 8, 10 or integer
  --scientific    exponent form for every result
  --warp N        warp factor of a conversion from Warp, by index (default 0)
  --dpi N         screen dots per inch for the pixel units (default 96)
  --bare          print only the result of a query
  --list [GROUP]  print the group numbers and names, or the units of GROUP
  --version       print the version
  --help          print this text

Exit status: 0 when every result is a number, 1 when any result was
"Input error" (a line of standard input longer than 64 KiB is one), a value
was cut at a comma, or a query has several readings; 2 for a usage error (an
unknown unit included), 3 when the results could not be written.
)";

constexpr std::int16_t kIntegerFigures = 7;

struct Options
{
    std::int16_t pnFigure = 6;
    std::int16_t pnFormFlag = 0;
    std::int16_t WarpIndex = 0;
    int dpi = 96;
    bool list = false;
    bool help = false;
    bool version = false;
    bool bare = false;
    std::vector<std::string_view> positional;
};

// A usage error: its message goes to standard error and the exit status is 2.
struct UsageError
{
    std::string message;
};

// Standard output could not be written (a full disk, a closed terminal): nothing more is converted.
struct WriteFailed
{
    int error;
};

void Emit(Io &io, std::string_view text)
{
    if (text.empty())
        return;
    if (const int error = io.Out(text))
        throw WriteFailed { error };
}

std::optional<int> ParseCount(std::string_view s)
{
    int v = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || result.ec != std::errc() || result.ptr != s.data() + s.size() || s[0] == '-')
        return std::nullopt;
    return v;
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return true;
}

bool StartsNoCase(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && EqualNoCase(s.substr(0, prefix.size()), prefix);
}

std::optional<std::int16_t> ParseFigures(std::string_view s)
{
    if (EqualNoCase(s, "integer"))
        return kIntegerFigures;
    const auto n = ParseCount(s);
    if (n && (*n == 4 || *n == 6 || *n == 8 || *n == 10))
        return static_cast<std::int16_t>(*n);
    return std::nullopt;
}

// "--name value" or "--name=value"; advances i past a separate value.
std::string_view OptionValue(std::span<const std::string_view> args, std::size_t &i, std::string_view name)
{
    const std::string_view arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=')
        return arg.substr(name.size() + 1);
    if (i + 1 >= args.size())
        throw UsageError { std::string(name) + " needs a value" };
    return args[++i];
}

bool IsOption(std::string_view arg, std::string_view name)
{
    return arg.substr(0, name.size()) == name && (arg.size() == name.size() || arg[name.size()] == '=');
}

void ParseOption(std::span<const std::string_view> args, std::size_t &i, Options &o)
{
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
        o.help = true;
    } else if (arg == "--version") {
        o.version = true;
    } else if (arg == "--bare") {
        o.bare = true;
    } else if (arg == "--scientific") {
        o.pnFormFlag = 1;
    } else if (arg == "--list") {
        o.list = true;
    } else if (IsOption(arg, "--figures")) {
        const auto v = ParseFigures(OptionValue(args, i, "--figures"));
        if (!v)
            throw UsageError { "--figures takes 4, 6, 8, 10 or integer" };
        o.pnFigure = *v;
    } else if (IsOption(arg, "--warp")) {
        const auto v = ParseCount(OptionValue(args, i, "--warp"));
        if (!v || *v >= core::kWarpCount)
            throw UsageError { "--warp takes an index from 0 to " + std::to_string(core::kWarpCount - 1) };
        o.WarpIndex = static_cast<std::int16_t>(*v);
    } else if (IsOption(arg, "--dpi")) {
        const auto v = ParseCount(OptionValue(args, i, "--dpi"));
        // Beyond 2879 dpi a pixel rounds to zero twips.
        if (!v || *v < 1 || *v > 2879)
            throw UsageError { "--dpi takes a whole number from 1 to 2879" };
        o.dpi = *v;
    } else {
        throw UsageError { "unknown option " + std::string(arg) };
    }
}

Options ParseArgs(std::span<const std::string_view> args)
{
    Options o;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg == "--")
            optionsEnded = true;
        else if (!optionsEnded && (arg.substr(0, 2) == "--" || arg == "-h"))
            ParseOption(args, i, o);
        else
            o.positional.push_back(arg);
    }
    return o;
}

struct Choice
{
    int index;
    std::string_view label;
};

// The symbol of "mi: mile" is "mi"; a label without a colon has none.
std::string_view Symbol(std::string_view label)
{
    const std::size_t colon = label.find(':');
    if (colon == std::string_view::npos)
        return {};
    std::string_view symbol = label.substr(0, colon);
    while (!symbol.empty() && symbol.back() == ' ')
        symbol.remove_suffix(1);
    return symbol;
}

std::string ListChoices(const std::vector<Choice> &choices)
{
    std::string s;
    for (const Choice &c : choices)
        s += "  " + std::to_string(c.index) + "  " + std::string(c.label) + "\n";
    return s;
}

// Tries the ways a name can match, strictest first; the first way that matches anything decides,
// and it must match exactly one choice.
int FindByName(std::string_view name, const std::vector<Choice> &choices, std::string_view what)
{
    using Test = bool (*)(std::string_view, std::string_view);
    const Test tests[] = {
        [](std::string_view n, std::string_view label) { return label == n; },
        [](std::string_view n, std::string_view label) {
            return !Symbol(label).empty() && Symbol(label) == n;
        },
        [](std::string_view n, std::string_view label) {
            return EqualNoCase(label, n) || (!Symbol(label).empty() && EqualNoCase(Symbol(label), n));
        },
        [](std::string_view n, std::string_view label) { return StartsNoCase(label, n); },
    };
    for (const Test test : tests) {
        std::vector<Choice> hits;
        for (const Choice &c : choices) {
            if (test(name, c.label))
                hits.push_back(c);
        }
        if (hits.size() == 1)
            return hits.front().index;
        if (hits.size() > 1)
            throw UsageError { "ambiguous " + std::string(what) + " \"" + std::string(name)
                + "\"; candidates:\n" + ListChoices(hits) };
    }
    throw UsageError { "unknown " + std::string(what) + " \"" + std::string(name) + "\"; candidates:\n"
        + ListChoices(choices) };
}

std::vector<Choice> GroupChoices(const core::Catalogue &cat)
{
    std::vector<Choice> choices;
    for (int g = 0; g < core::kGroupSlots; ++g) {
        if (cat.UnitCount[static_cast<std::size_t>(g)] > 0)
            choices.push_back({ g, cat.GroupName[static_cast<std::size_t>(g)] });
    }
    return choices;
}

std::vector<Choice> UnitChoices(const core::Catalogue &cat, int g)
{
    std::vector<Choice> choices;
    const auto group = static_cast<std::size_t>(g);
    for (int u = 0; u < cat.UnitCount[group]; ++u)
        choices.push_back({ u, cat.UnitName[group][static_cast<std::size_t>(u)] });
    return choices;
}

// A number is a position in the list; anything else is a name.
int Resolve(std::string_view token, const std::vector<Choice> &choices, std::string_view what)
{
    if (const auto n = ParseCount(token)) {
        for (const Choice &c : choices) {
            if (c.index == *n)
                return c.index;
        }
        throw UsageError { "no " + std::string(what) + " " + std::string(token) + "; candidates:\n"
            + ListChoices(choices) };
    }
    return FindByName(token, choices, what);
}

std::int16_t TwipsPerPixel(int dpi)
{
    return static_cast<std::int16_t>(std::nearbyint(1440.0 / dpi));
}

struct Job
{
    core::ConvertInput input;
    bool anyInputError = false;
};

// The window's comma message, and which part of the value was converted: what comes before the comma.
std::string CommaMessage(std::string_view value)
{
    const std::string used(value.substr(0, value.find(',')));
    return std::string(core::kCommaMessage) + " \"" + std::string(value) + "\" was read as \"" + used
        + "\".\n";
}

void ConvertOne(const core::Catalogue &cat, Job &job, std::string_view value, std::string &out, Io &io)
{
    job.input.text = value;
    const auto result = core::Convert(cat, job.input, [&] {
        io.Err(CommaMessage(value));
        job.anyInputError = true;
    });
    if (result) {
        out += *result;
        job.anyInputError = job.anyInputError || *result == core::kInputError;
    }
    out += '\n';
}

// One value a line; only the line end (LF or CR LF) is removed, and a last line without one still
// counts. Results go out after each block read, so a terminal sees them as it types. A line longer
// than kMaxLine is "Input error" at once and the rest of it is skipped, so memory stays bounded.
int Filter(const core::Catalogue &cat, Job &job, Io &io)
{
    constexpr std::size_t kBlock = 1 << 16;
    std::vector<char> buffer(kBlock);
    std::string pending; // the start of a line the block ended in; at most kMaxLine + 1 bytes
    std::string out;
    bool skipping = false; // in the rest of a line already answered as too long
    const auto refuse = [&] {
        out += core::kInputError;
        out += '\n';
        job.anyInputError = true;
    };
    const auto takeLine = [&](std::string_view line) {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() > kMaxLine)
            refuse();
        else
            ConvertOne(cat, job, line, out, io);
    };
    for (;;) {
        const std::ptrdiff_t n = io.Read(buffer.data(), buffer.size());
        if (n < 0) {
            Emit(io, out);
            io.Err("orlo-convert: cannot read standard input\n");
            return kExitUsage;
        }
        if (n == 0)
            break;
        std::string_view block(buffer.data(), static_cast<std::size_t>(n));
        for (std::size_t lf = block.find('\n'); lf != std::string_view::npos; lf = block.find('\n')) {
            const std::string_view line = block.substr(0, lf);
            block.remove_prefix(lf + 1);
            if (skipping) {
                skipping = false;
            } else if (pending.empty()) {
                takeLine(line);
            } else {
                pending.append(line);
                takeLine(pending);
                pending.clear();
            }
        }
        // A line that already holds more than the limit (one byte more may be the CR of a CR LF) is
        // answered now; the rest of it is skipped unread.
        if (!skipping && pending.size() + block.size() > kMaxLine + 1) {
            refuse();
            pending.clear();
            skipping = true;
        } else if (!skipping) {
            pending.append(block);
        }
        Emit(io, out);
        out.clear();
    }
    if (!pending.empty())
        takeLine(pending);
    Emit(io, out);
    return job.anyInputError ? kExitInputError : kExitOk;
}

std::string ListText(const core::Catalogue &cat, const Options &o)
{
    if (o.positional.size() > 1)
        throw UsageError { "--list takes at most one GROUP" };
    const auto groups = GroupChoices(cat);
    if (o.positional.empty())
        return ListChoices(groups);
    return ListChoices(UnitChoices(cat, Resolve(o.positional[0], groups, "group")));
}

std::string WarpHelp(const core::Catalogue &cat)
{
    std::string s = "\nWarp factors for --warp:";
    for (int k = 0; k < core::kWarpCount; ++k)
        s += (k % 7 == 0 ? "\n  " : "  ") + std::to_string(k) + " = " + core::WarpCaption(cat, k);
    return s + "\n";
}

// A list position, a label or its beginning, or any name a query takes ("mile", "feet", "C").
std::int16_t ResolveUnit(
    const core::Catalogue &cat, std::int16_t group, std::string_view token, const std::vector<Choice> &units)
{
    try {
        return static_cast<std::int16_t>(Resolve(token, units, "unit"));
    } catch (const UsageError &) {
        if (const auto unit = core::FindUnit(cat, group, token))
            return *unit;
        throw;
    }
}

Job MakeJob(const core::Catalogue &cat, const Options &o)
{
    Job job;
    core::ConvertInput &in = job.input;
    const auto group = Resolve(o.positional[0], GroupChoices(cat), "group");
    const auto units = UnitChoices(cat, group);
    in.group = static_cast<std::int16_t>(group);
    in.from = ResolveUnit(cat, in.group, o.positional[1], units);
    in.into = ResolveUnit(cat, in.group, o.positional[2], units);
    if (in.group == core::pnSpeedGrp && in.into == core::pnWarpUnit)
        throw UsageError { "Warp can only be converted from, not into" };
    in.pnFigure = o.pnFigure;
    in.pnFormFlag = o.pnFormFlag;
    in.WarpIndex = o.WarpIndex;
    return job;
}

std::string Joined(const std::vector<std::string_view> &words)
{
    std::string s;
    for (std::string_view w : words)
        s.append(s.empty() ? "" : " ").append(w);
    return s;
}

// Why a query has no reading: the names no group knows, with the closest labels, or the two names
// that never meet in one group.
std::string NoReading(const core::Catalogue &cat, const core::Query &q)
{
    if (q.unknown.empty()) {
        for (const std::string &name : { q.fromText, q.intoText }) {
            for (const core::UnitsNamed &named : core::AmbiguousNames(cat, name)) {
                std::string message =
                    "\"" + name + "\" names several units of " + cat.GroupName[named.group] + ":";
                for (const std::int16_t u : named.units)
                    message += "\n  " + cat.UnitName[named.group][u];
                return message + "\nname one by its whole label or use GROUP FROM INTO VALUE";
            }
        }
        return "no quantity group has both \"" + q.fromText + "\" and \"" + q.intoText
            + "\" (see --list GROUP)";
    }
    std::string message;
    for (const std::string &name : q.unknown) {
        message += (message.empty() ? "" : "\norlo-convert: ") + std::string("unknown unit \"") + name + "\"";
        const auto similar = core::SimilarLabels(cat, name);
        for (std::size_t i = 0; i < similar.size(); ++i)
            message += (i == 0 ? "; did you mean: " : ", ") + similar[i];
    }
    return message;
}

int RunQuery(const core::Catalogue &cat, const core::Query &q, const Options &o, Io &io)
{
    if (q.readings.empty())
        throw UsageError { NoReading(cat, q) };
    bool failed = q.readings.size() > 1;
    std::string out;
    for (const core::QueryReading &r : q.readings) {
        const auto result = core::Answer(cat, q, r, o.pnFigure, o.pnFormFlag, [&] {
            io.Err(CommaMessage(q.value));
            failed = true;
        });
        const std::string text = result ? *result : std::string(core::kInputError);
        failed = failed || text == core::kInputError;
        if (q.readings.size() > 1)
            out += cat.GroupName[r.group] + ": ";
        if (o.bare && q.readings.size() == 1)
            out += text;
        else
            out += q.value + " " + core::UnitSymbol(cat.UnitName[r.group][r.from]) + " = " + text + " "
                + core::UnitSymbol(cat.UnitName[r.group][r.into]);
        out += '\n';
    }
    Emit(io, out);
    if (q.readings.size() > 1)
        io.Err("orlo-convert: " + std::to_string(q.readings.size())
            + " quantity groups hold both units; name one: GROUP FROM INTO VALUE\n");
    return failed ? kExitInputError : kExitOk;
}

int RunChecked(std::span<const std::string_view> args, core::UserTables &user, Io &io)
{
    const Options o = ParseArgs(args);
    const std::int16_t tpp = TwipsPerPixel(o.dpi);
    const core::Catalogue cat = core::BuildCatalogue(tpp, tpp, user);
    if (o.help) {
        Emit(io, kUsage);
        Emit(io, WarpHelp(cat));
        return kExitOk;
    }
    if (o.version) {
        Emit(io, "orlo-convert " ORLO_VERSION "\n");
        return kExitOk;
    }
    if (o.list) {
        Emit(io, ListText(cat, o));
        return kExitOk;
    }
    // GROUP FROM INTO [VALUE] when the arguments read so; otherwise a query, if they read as one.
    std::optional<UsageError> formError;
    std::optional<Job> made;
    if (o.positional.size() == 3 || o.positional.size() == 4) {
        try {
            made = MakeJob(cat, o);
        } catch (const UsageError &e) {
            formError = e;
        }
    }
    if (!made) {
        if (const auto q = core::ReadQuery(cat, Joined(o.positional)))
            return RunQuery(cat, *q, o, io);
        if (formError)
            throw *formError;
        throw UsageError { "expected GROUP FROM INTO [VALUE] or a query such as \"5 mi in m\"; see --help" };
    }
    Job &job = *made;
    if (o.positional.size() == 3)
        return Filter(cat, job, io);
    std::string out;
    ConvertOne(cat, job, o.positional[3], out, io);
    Emit(io, out);
    return job.anyInputError ? kExitInputError : kExitOk;
}

} // namespace

int Run(std::span<const std::string_view> args, core::UserTables &user, Io &io)
{
    try {
        return RunChecked(args, user, io);
    } catch (const UsageError &e) {
        io.Err("orlo-convert: " + e.message + "\n");
        return kExitUsage;
    } catch (const WriteFailed &e) {
        io.Err(std::string("orlo-convert: write error: ") + std::strerror(e.error) + "\n");
        return kExitWriteError;
    }
}

} // namespace cli
