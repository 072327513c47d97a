// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "ui/common/Twips.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ui {

namespace {

double PerPixel(std::int16_t tpp)
{
    return tpp > 0 ? tpp : 15;
}

} // namespace

int Nearest(double x)
{
    const double r = std::round(x);
    // std::round takes halves away from zero; move them back to the even neighbour.
    if (std::fabs(r - x) == 0.5 && std::fmod(r, 2.0) != 0.0)
        return static_cast<int>(r - std::copysign(1.0, x));
    return static_cast<int>(r);
}

int ToPixels(double twips, std::int16_t tpp)
{
    return Nearest(twips / PerPixel(tpp));
}

std::int16_t ToTwips(int pixels, std::int16_t tpp)
{
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(
        Nearest(std::clamp(static_cast<double>(pixels) * PerPixel(tpp), lo, hi)));
}

} // namespace ui
