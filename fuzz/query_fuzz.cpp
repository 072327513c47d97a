// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Any bytes as a query, the first byte choosing the locale's decimal separator: the reader must
// answer at once, never crash, and never answer text that holds no digit (nor "a"/"an" in a
// how-many question); every answer is one line.
#include "core/Query.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

const core::Vocabulary &Words()
{
    static core::UserTables user;
    static const core::Catalogue cat = core::BuildCatalogue(15, 15, user);
    static const core::Vocabulary vocab(cat);
    return vocab;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::string_view text(reinterpret_cast<const char *>(data) + 1, size - 1);
    const auto q = core::ReadQuery(Words(), text, { (data[0] & 1) != 0 });
    if (!q)
        return 0;
    const auto answers = core::Answers(Words(), *q, { 10, 0, 0 });
    const bool digit = std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const bool fraction =
        text.find("\xC2") != std::string_view::npos || text.find("\xE2\x85") != std::string_view::npos;
    const bool howMany =
        text.find("how many") != std::string_view::npos || text.find("How many") != std::string_view::npos;
    if (!answers.empty() && !digit && !fraction && !howMany)
        std::abort();
    for (const core::QueryAnswer &a : answers) {
        if (a.line.find('\n') != std::string::npos || a.line.size() > 4096)
            std::abort();
    }
    return 0;
}
