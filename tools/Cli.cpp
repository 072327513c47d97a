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

constexpr std::string_view kUsage = R"(Usage: orlo-convert [OPTIONS] QUERY
       orlo-convert [OPTIONS] GROUP FROM INTO [VALUE]
       orlo-convert --list [GROUP]
       orlo-convert --version

A query is a value, its unit and the unit to convert into, in words, quoted or
not: "5 km to mi", 60 mph in km/h, "6 ft 2 in in cm", 5'11" in cm,
"1 lb 4 oz in kg", "170 cm in ft+in", "1/2 in to mm", "100C to F",
"how many feet in a mile", "convert 5 mi to km". Units go by their symbols,
names, plurals and common abbreviations (mph, lbs, sq ft, m2, cu ft, mL, deg),
with SI prefixes on metric units (km, mg, kWh, GHz, hPa). Values may be
fractions (1/2, 1 1/2, ½), carry an exponent (1e5) or group thousands with
commas (1,000); a decimal comma is read only where the locale writes one.
The answer is printed as "5 km = 3.10686 mi"; with --bare only the result.

A name that means different sizes answers once for each, one line each and
labelled: "1 gal (US) = 3.78541 L", "1 gal (UK) = 4.54609 L". The exit status
is 0 either way, so a script tells one answer from several by the number of
lines printed (with --bare, one result a line). An unknown unit is a usage
error with the closest labels suggested.

GROUP FROM INTO [VALUE] converts VALUE from the unit FROM into the unit INTO of
the quantity group GROUP and prints the result exactly as the converter window
shows it. GROUP is a group number or name, FROM and INTO are list positions,
labels, or any name a query takes (see --list). Without VALUE, converts every
line of standard input, one result a line; standard input without a line is a
usage error. Warp (Velocity, Speed) is a FROM unit only; its speed is chosen
with --warp. When the arguments read as a query, the query is answered.

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
was cut at a comma, or a query's value cannot be read; 2 for a usage error
(an unknown unit included), 3 when the results could not be written.
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

std::string ListChoices(const std::vector<Choice> &choices)
{
    std::string s;
    for (const Choice &c : choices)
        s += "  " + std::to_string(c.index) + "  " + std::string(c.label) + "\n";
    return s;
}

std::string Ambiguous(std::string_view what, std::string_view name, const std::vector<Choice> &hits)
{
    return "ambiguous " + std::string(what) + " \"" + std::string(name) + "\"; candidates:\n"
        + ListChoices(hits);
}

// A group by its name, case ignored, or the beginning of its name: "temp", "velocity".
int FindGroup(std::string_view name, const std::vector<Choice> &choices)
{
    for (const bool whole : { true, false }) {
        std::vector<Choice> hits;
        for (const Choice &c : choices) {
            if (whole ? EqualNoCase(c.label, name) : StartsNoCase(c.label, name))
                hits.push_back(c);
        }
        if (hits.size() == 1)
            return hits.front().index;
        if (hits.size() > 1)
            throw UsageError { Ambiguous("group", name, hits) };
    }
    throw UsageError { "unknown group \"" + std::string(name) + "\"; candidates:\n" + ListChoices(choices) };
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

// A number is a position in the list.
std::optional<int> Position(std::string_view token, const std::vector<Choice> &choices, std::string_view what)
{
    const auto n = ParseCount(token);
    if (!n)
        return std::nullopt;
    for (const Choice &c : choices) {
        if (c.index == *n)
            return c.index;
    }
    throw UsageError { "no " + std::string(what) + " " + std::string(token) + "; candidates:\n"
        + ListChoices(choices) };
}

int ResolveGroup(std::string_view token, const std::vector<Choice> &groups)
{
    if (const auto at = Position(token, groups, "group"))
        return *at;
    return FindGroup(token, groups);
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
    const core::ConvertResult result = core::Convert(cat, job.input);
    if (result.commaNotice) {
        io.Err(CommaMessage(value));
        job.anyInputError = true;
    }
    if (result.text) {
        out += *result.text;
        job.anyInputError = job.anyInputError || *result.text == core::kInputError;
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
    bool anyLine = false;
    if (io.InputIsTerminal())
        io.Err("orlo-convert: reading values, one a line; Ctrl+D ends\n");
    const auto refuse = [&] {
        anyLine = true;
        out += core::kInputError;
        out += '\n';
        job.anyInputError = true;
    };
    const auto takeLine = [&](std::string_view line) {
        anyLine = true;
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
    if (!anyLine) {
        io.Err("orlo-convert: no VALUE given, and no line on standard input\n");
        return kExitUsage;
    }
    return job.anyInputError ? kExitInputError : kExitOk;
}

std::string ListText(const core::Catalogue &cat, const Options &o)
{
    if (o.positional.size() > 1)
        throw UsageError { "--list takes at most one GROUP" };
    const auto groups = GroupChoices(cat);
    if (o.positional.empty())
        return ListChoices(groups);
    return ListChoices(UnitChoices(cat, ResolveGroup(o.positional[0], groups)));
}

std::string WarpHelp(const core::Catalogue &cat)
{
    std::string s = "\nWarp factors for --warp:";
    for (int k = 0; k < core::kWarpCount; ++k)
        s += (k % 7 == 0 ? "\n  " : "  ") + std::to_string(k) + " = " + core::WarpCaption(cat, k);
    return s + "\n";
}

// A list position, any name a query takes ("mile", "feet", "C", a whole label), or the beginning
// of a label with case ignored ("hex").
std::int16_t ResolveUnit(const core::Vocabulary &vocab,
    std::int16_t group,
    std::string_view token,
    const std::vector<Choice> &units)
{
    if (const auto at = Position(token, units, "unit"))
        return static_cast<std::int16_t>(*at);
    std::vector<Choice> hits;
    for (const std::int16_t u : core::UnitsNamed(vocab, group, token))
        hits.push_back(units[static_cast<std::size_t>(u)]);
    if (hits.empty()) {
        for (const Choice &c : units) {
            if (StartsNoCase(c.label, token))
                hits.push_back(c);
        }
    }
    if (hits.size() == 1)
        return static_cast<std::int16_t>(hits.front().index);
    if (hits.size() > 1)
        throw UsageError { Ambiguous("unit", token, hits) };
    throw UsageError { "unknown unit \"" + std::string(token) + "\"; candidates:\n" + ListChoices(units) };
}

Job MakeJob(const core::Vocabulary &vocab, const Options &o)
{
    const core::Catalogue &cat = vocab.catalogue();
    Job job;
    core::ConvertInput &in = job.input;
    const auto group = ResolveGroup(o.positional[0], GroupChoices(cat));
    const auto units = UnitChoices(cat, group);
    in.group = static_cast<std::int16_t>(group);
    in.from = ResolveUnit(vocab, in.group, o.positional[1], units);
    in.into = ResolveUnit(vocab, in.group, o.positional[2], units);
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

// Why a query has no reading: a value that cannot be read, the names no group knows with the
// closest labels, or the names that never meet in one group with what each was read as.
std::string NoReading(const core::Vocabulary &vocab, const core::Query &q)
{
    if (!q.refusal.empty())
        return q.refusal;
    if (q.unknown.empty()) {
        std::string message = "no quantity group has both";
        for (std::size_t i = 0; i < q.names.size(); ++i)
            message += (i ? " and \"" : " \"") + q.names[i] + "\"";
        for (const std::string &name : q.names) {
            const auto as = core::ReadAs(vocab, name);
            message += "\n  \"" + name + "\" was read as";
            for (std::size_t i = 0; i < as.size(); ++i)
                message += (i ? "; " : " ") + as[i];
        }
        return message;
    }
    std::string message;
    for (const std::string &name : q.unknown) {
        message += (message.empty() ? "" : "\norlo-convert: ") + std::string("unknown unit \"") + name + "\"";
        const auto similar = core::SimilarLabels(vocab, name);
        for (std::size_t i = 0; i < similar.size(); ++i)
            message += (i == 0 ? "; did you mean: " : ", ") + similar[i];
    }
    return message;
}

int RunQuery(const core::Vocabulary &vocab, const core::Query &q, const Options &o, Io &io)
{
    if (!q.refusal.empty()) {
        io.Err("orlo-convert: " + q.refusal + "\n");
        return kExitInputError;
    }
    const auto answers = core::Answers(vocab, q, { o.pnFigure, o.pnFormFlag, o.WarpIndex });
    if (q.readings.empty())
        throw UsageError { NoReading(vocab, q) };
    if (answers.empty()) {
        Emit(io, std::string(core::kInputError) + "\n");
        return kExitInputError;
    }
    std::string out;
    for (const core::QueryAnswer &a : answers)
        out += (o.bare ? a.result : a.line) + "\n";
    Emit(io, out);
    return kExitOk;
}

int RunChecked(std::span<const std::string_view> args, core::UserTables &user, Io &io)
{
    const Options o = ParseArgs(args);
    const std::int16_t tpp = TwipsPerPixel(o.dpi);
    const core::Catalogue cat = core::BuildCatalogue(tpp, tpp, user);
    const core::Vocabulary vocab(cat);
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
    // A query when the words read as one, typed as one argument or as several; otherwise
    // GROUP FROM INTO [VALUE].
    const auto q = core::ReadQuery(vocab, Joined(o.positional), { io.DecimalComma() });
    if (q && (!q->readings.empty() || !q->refusal.empty()))
        return RunQuery(vocab, *q, o, io);
    std::optional<UsageError> formError;
    std::optional<Job> made;
    if (o.positional.size() == 3 || o.positional.size() == 4) {
        try {
            made = MakeJob(vocab, o);
        } catch (const UsageError &e) {
            formError = e;
        }
    }
    if (!made) {
        if (q)
            return RunQuery(vocab, *q, o, io);
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
