// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/mOrlo.h"

#include <cmath>

namespace core {
namespace {

constexpr std::int16_t kIntegerSetting = 7;

bool InRange(std::int16_t v, int last)
{
    return v >= 0 && v <= last;
}

bool IsAffineGroup(std::int16_t g)
{
    return g == pnTempGrp || (g >= pnUserGrpFirst && g < pnCompGrpFirst);
}

std::optional<double> ConvertAffine(const Catalogue &cat, const ConvertInput &in, double x)
{
    if (!InRange(in.from, kUserSlots - 1) || !InRange(in.into, kUserSlots - 1))
        return std::nullopt;
    const std::size_t rw =
        in.group == pnTempGrp ? 0 : static_cast<std::size_t>(in.group - pnUserGrpFirst + 1);
    const auto f = static_cast<std::size_t>(in.from);
    const auto t = static_cast<std::size_t>(in.into);
    const double scaleInto = cat.AffineScale[rw][t];
    if (scaleInto == 0)
        return std::nullopt;
    const double base = (x + cat.AffineOffset[rw][f]) * cat.AffineScale[rw][f];
    double y = base / scaleInto - cat.AffineOffset[rw][t];
    // Offsets leave rounding dust where the true answer is zero (32 °F into °C).
    if (in.group == pnTempGrp && std::fabs(y) < 1e-12)
        y = 0;
    return y;
}

std::optional<double> ConvertWarp(const Catalogue &cat, const ConvertInput &in)
{
    if (in.into < 0)
        return 0.0;
    if (!InRange(in.into, kUnitSlots - 1) || !InRange(in.WarpIndex, kWarpCount - 1))
        return std::nullopt;
    const double factorInto = cat.UnitFactor[pnSpeedGrp][static_cast<std::size_t>(in.into)];
    if (factorInto == 0)
        return std::nullopt;
    return cat.WarpValue[static_cast<std::size_t>(in.WarpIndex)] / factorInto;
}

std::optional<double> ConvertLinear(const Catalogue &cat, const ConvertInput &in, double x)
{
    if (!InRange(in.from, kUnitSlots - 1) || !InRange(in.into, kUnitSlots - 1))
        return std::nullopt;
    const auto g = static_cast<std::size_t>(in.group);
    const double factorInto = cat.UnitFactor[g][static_cast<std::size_t>(in.into)];
    if (factorInto == 0)
        return std::nullopt;
    return x * cat.UnitFactor[g][static_cast<std::size_t>(in.from)] / factorInto;
}

} // namespace

std::string FormatResult(double y, std::int16_t pnFigure, std::int16_t pnFormFlag)
{
    const double magnitude = std::fabs(y);
    if (magnitude < 1e-6 || magnitude > 1e6)
        return ExpressAsExp(y, pnFigure);
    if (pnFigure == kIntegerSetting)
        return FormatInteger(y);
    if (pnFormFlag == 0)
        return TrimFigures(y, pnFigure);
    return ExpressAsExp(y, pnFigure);
}

std::optional<double> ConvertNumber(const Catalogue &cat, const ConvertInput &in, double x)
{
    if (!InRange(in.group, kGroupSlots - 1) || in.group == pnNumSysGrp)
        return std::nullopt;
    std::optional<double> y;
    if (IsAffineGroup(in.group))
        y = ConvertAffine(cat, in, x);
    else if (in.group == pnSpeedGrp && in.from == pnWarpUnit)
        y = ConvertWarp(cat, in);
    else
        y = ConvertLinear(cat, in, x);
    // Overflow, or an invalid operation such as infinity minus infinity, fails like a bad input.
    if (!y || !std::isfinite(*y))
        return std::nullopt;
    return y;
}

namespace {

std::optional<std::string> ConvertText(const Catalogue &cat, const ConvertInput &in)
{
    const std::int16_t r = InvalidNumCheck(in.text, {});
    if (in.group != pnNumSysGrp && r > 0)
        return std::string(kInputError);
    if (!InRange(in.group, kGroupSlots - 1))
        return std::string(kInputError);
    if (in.group == pnNumSysGrp)
        return NumberSystemConvert(in.from, in.into, in.text);

    const bool warp = in.group == pnSpeedGrp && in.from == pnWarpUnit;
    const auto x = warp ? std::optional(0.0) : Val(in.text);
    const auto y = x ? ConvertNumber(cat, in, *x) : std::nullopt;
    if (!y)
        return std::string(kInputError);
    if (in.into < 0)
        return std::string();
    return FormatResult(*y, in.pnFigure, in.pnFormFlag);
}

} // namespace

ConvertResult Convert(const Catalogue &cat, const ConvertInput &in)
{
    return { ConvertText(cat, in), in.text.find(',') != std::string_view::npos };
}

} // namespace core
