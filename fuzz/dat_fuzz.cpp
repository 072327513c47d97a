// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Any bytes as ORL_USER.DAT: the reader loads tables that are storable and load back unchanged.
#include "store/Store.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    core::UserTables t;
    store::DatParse({ reinterpret_cast<const char *>(data), size }, t);
    const auto bytes = store::DatFormat(t);
    if (!bytes)
        std::abort();
    core::UserTables again;
    store::DatParse(*bytes, again);
    if (again.UserGrpName != t.UserGrpName || again.UserUnitName != t.UserUnitName
        || again.UserCoefText != t.UserCoefText || again.UserOffsetText != t.UserOffsetText)
        std::abort();
    return 0;
}
