// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Any bytes as ORLOPREF.CFG: the reader either falls back to the defaults or loads settings that save
// and load back unchanged.
#include "store/Store.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    store::Settings s;
    const auto result = store::CfgParse({ reinterpret_cast<const char *>(data), size }, s);
    if (result == store::CfgReadResult::Defaults) {
        if (!(s == store::Settings {}))
            std::abort();
        return 0;
    }
    if (s.pnSelUnitGrp < 0 || s.pnSelUnitGrp > 52 || s.pnFigure == 1)
        std::abort();
    store::Settings saved = s;
    if (saved.pnFigure == 10)
        saved.pnFigure = 1;
    const auto bytes = store::CfgFormat(saved);
    store::Settings again;
    if (!bytes || store::CfgParse(*bytes, again) != store::CfgReadResult::Loaded || !(again == s))
        std::abort();
    return 0;
}
