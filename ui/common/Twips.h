// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Twips, the unit stored positions and design sizes are given in, and pixels; the one rounding rule.
#pragma once

#include <cstdint>

namespace ui {

// The nearest whole number; halves go to the even neighbour.
int Nearest(double x);
// Twips to pixels; a zero or negative `tpp` (twips per pixel) counts as 15.
int ToPixels(double twips, std::int16_t tpp);
// Pixels to twips, clamped to what a signed 16-bit setting can hold.
std::int16_t ToTwips(int pixels, std::int16_t tpp);

} // namespace ui
