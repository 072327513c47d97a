// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Groups and units of a catalogue by the names the user sees, for tables that name them.
#pragma once

#include "core/mOrlo.h"

#include <stdexcept>
#include <string>

namespace cases {

inline std::int16_t GroupNamed(const core::Catalogue &cat, const std::string &name)
{
    for (std::size_t g = 0; g < cat.GroupName.size(); ++g)
        if (cat.GroupName[g] == name)
            return static_cast<std::int16_t>(g);
    throw std::out_of_range("no group " + name);
}

inline std::int16_t UnitNamed(const core::Catalogue &cat, std::int16_t g, const std::string &label)
{
    const auto &units = cat.UnitName[static_cast<std::size_t>(g)];
    for (std::int16_t u = 0; u < cat.UnitCount[static_cast<std::size_t>(g)]; ++u)
        if (units[static_cast<std::size_t>(u)] == label)
            return u;
    throw std::out_of_range("no unit " + label + " in " + cat.GroupName[static_cast<std::size_t>(g)]);
}

} // namespace cases
