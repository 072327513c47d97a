// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Any bytes as a conversion: group, units, figures, format and warp factor from the first six bytes,
// then NUL-separated texts: the typed input, and the coefficients and offsets of a custom group. The
// Convert command must answer with a short single-line text (or keep the old one), and never crash.
#include "core/mOrlo.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::int16_t kFigures[] = { 4, 6, 8, 10, 7 };
constexpr std::size_t kSettingBytes = 6;

std::vector<std::string_view> Fields(std::string_view rest)
{
    std::vector<std::string_view> fields;
    for (std::size_t nul = rest.find('\0'); nul != std::string_view::npos; nul = rest.find('\0')) {
        fields.push_back(rest.substr(0, nul));
        rest.remove_prefix(nul + 1);
    }
    fields.push_back(rest);
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < kSettingBytes)
        return 0;
    const std::string_view rest(reinterpret_cast<const char *>(data) + kSettingBytes, size - kSettingBytes);
    const std::vector<std::string_view> fields = Fields(rest);

    core::ConvertInput in;
    in.group = static_cast<std::int16_t>(data[0] % 52);
    in.text = fields[0];
    in.pnFigure = kFigures[data[3] % 5];
    in.pnFormFlag = static_cast<std::int16_t>(data[4] % 3);
    in.WarpIndex = static_cast<std::int16_t>(data[5] % core::kWarpCount);

    // The rest of the texts fill the chosen custom group (or the first one): ten units, each with a
    // coefficient and an offset.
    core::UserTables user;
    const int custom =
        in.group >= core::pnUserGrpFirst && in.group < core::pnUserGrpFirst + core::pnUserGrpCount
        ? in.group - core::pnUserGrpFirst
        : 0;
    user.UserGrpName[custom] = "fuzzed";
    for (std::size_t i = 1; i < fields.size() && i <= 2 * core::kUserUnitsUsed; ++i) {
        const std::size_t unit = (i - 1) / 2;
        user.UserUnitName[custom][unit] = "u" + std::to_string(unit);
        (i % 2 ? user.UserCoefText : user.UserOffsetText)[custom][unit] = fields[i];
    }
    const core::Catalogue cat = core::BuildCatalogue(15, 15, user);
    const int units = cat.UnitCount[in.group];
    in.from = static_cast<std::int16_t>(data[1] % (units + 1) - 1);
    in.into = static_cast<std::int16_t>(data[2] % (units + 1) - 1);

    const auto result = core::Convert(cat, in).text;
    if (!result)
        return 0;
    if (result->size() > 400)
        std::abort();
    for (const char c : *result) {
        if (c == '\n' || c == '\r' || c == '\0')
            std::abort();
    }
    return 0;
}
