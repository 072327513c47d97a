// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/Query.h"
#include "core/mOrlo.h"

#include <benchmark/benchmark.h>

namespace {

const core::Catalogue &Cat()
{
    static const core::Catalogue cat = [] {
        core::UserTables user;
        return core::BuildCatalogue(15, 15, user);
    }();
    return cat;
}

// Text in, text out: check, conversion and formatting, as the window runs it on every keystroke.
void ConvertPath(benchmark::State &state,
    std::int16_t group,
    std::int16_t from,
    std::int16_t into,
    const char *text,
    std::int16_t figures)
{
    const core::Catalogue &cat = Cat();
    core::ConvertInput in;
    in.group = group;
    in.from = from;
    in.into = into;
    in.text = text;
    in.pnFigure = figures;
    for (auto _ : state)
        benchmark::DoNotOptimize(core::Convert(cat, in));
}

BENCHMARK_CAPTURE(ConvertPath, LengthMileToMetre6, 0, 6, 0, "1.2345", 6);
BENCHMARK_CAPTURE(ConvertPath, LengthMileToMetre10, 0, 6, 0, "1.2345", 10);
BENCHMARK_CAPTURE(ConvertPath, LengthExponentForm6, 0, 11, 14, "3.5e2", 6);
BENCHMARK_CAPTURE(ConvertPath, TemperatureCelsiusToFahrenheit, core::pnTempGrp, 1, 2, "36.6", 6);
BENCHMARK_CAPTURE(ConvertPath, NumberSystemHexToDecimal, core::pnNumSysGrp, 3, 0, "7FFFFFFF", 6);
BENCHMARK_CAPTURE(ConvertPath, NumberSystemDecimalToBinary, core::pnNumSysGrp, 0, 1, "48879", 6);

void InvalidNumCheck(benchmark::State &state, const char *text)
{
    const core::CommaNotice onComma = [] {};
    for (auto _ : state)
        benchmark::DoNotOptimize(core::InvalidNumCheck(text, onComma));
}

BENCHMARK_CAPTURE(InvalidNumCheck, Number, "1609.344");
BENCHMARK_CAPTURE(InvalidNumCheck, Exponent, "-1.5E-7");
BENCHMARK_CAPTURE(InvalidNumCheck, Rejected, "12a");

void TrimFigures(benchmark::State &state, double value)
{
    const auto figures = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(core::TrimFigures(value, figures));
}

BENCHMARK_CAPTURE(TrimFigures, Plain, 1609.344)->Arg(6)->Arg(10);
BENCHMARK_CAPTURE(TrimFigures, Small, 0.000123456)->Arg(6)->Arg(10);

void BuildCatalogue(benchmark::State &state)
{
    for (auto _ : state) {
        core::UserTables user;
        benchmark::DoNotOptimize(core::BuildCatalogue(15, 15, user));
    }
}

BENCHMARK(BuildCatalogue);

// A query as the desktop's search hands it over: read, resolved through the vocabulary (built
// once, as the search provider keeps it), answered. The search provider's budget is 1 ms.
void Query(benchmark::State &state, const char *text)
{
    core::UserTables user;
    const core::Catalogue cat = core::BuildCatalogue(15, 15, user);
    const core::Vocabulary vocab(cat);
    for (auto _ : state) {
        const auto q = core::ReadQuery(vocab, text);
        auto answers = q ? core::Answers(vocab, *q, {}) : std::vector<core::QueryAnswer> {};
        benchmark::DoNotOptimize(answers);
    }
}
BENCHMARK_CAPTURE(Query, MilesInMetres, "5 mi in m");
BENCHMARK_CAPTURE(Query, NauticalMiles, "12.5 nautical miles to feet");
BENCHMARK_CAPTURE(Query, Prefixed, "200 GPa to psi");
BENCHMARK_CAPTURE(Query, Compound, "6 ft 2 in to cm");
BENCHMARK_CAPTURE(Query, CompoundAnswer, "170 cm in feet and inches");
BENCHMARK_CAPTURE(Query, Ambiguous, "1 bbl to L");
BENCHMARK_CAPTURE(Query, HowMany, "how many feet in a mile");
BENCHMARK_CAPTURE(Query, Unknown, "10 apples in oranges");
BENCHMARK_CAPTURE(Query, NoQuery, "firefox web browser");

// Building the vocabulary: once for each orlo-convert run, and when the search provider's files change.
void BuildVocabulary(benchmark::State &state)
{
    core::UserTables user;
    const core::Catalogue cat = core::BuildCatalogue(15, 15, user);
    for (auto _ : state) {
        const core::Vocabulary vocab(cat);
        benchmark::DoNotOptimize(vocab.entries().size());
    }
}
BENCHMARK(BuildVocabulary);

} // namespace

BENCHMARK_MAIN();
