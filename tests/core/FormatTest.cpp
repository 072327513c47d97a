// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/mOrlo.h"
#include "support/CaseTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

TEST(Formatting, Cases)
{
    for (const cases::Case &c : cases::Read("core/format.txt")) {
        SCOPED_TRACE(c.where());
        const auto figures = [&c] { return std::int16_t(std::stoi(c["figures"])); };
        if (c["procedure"] == "comma")
            EXPECT_EQ(core::CommaToPeriod(c["value"]), c["text"]);
        else if (c["procedure"] == "int")
            EXPECT_EQ(core::FormatInteger(cases::Number(c["value"])), c["text"]);
        else if (c["procedure"] == "exp")
            EXPECT_EQ(core::ExpressAsExp(cases::Number(c["value"]), figures()), c["text"]);
        else
            EXPECT_EQ(core::TrimFigures(cases::Number(c["value"]), figures()), c["text"]);
    }
}

// Cross-check against a second route: the exponent of the rounded figures, then fixed notation
// with the decimals that leaves. Both must round at the same figure.
TEST(Formatting, TrimFiguresAgreesWithFixedNotationOverManyValues)
{
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-7, 6);
    int compared = 0;
    for (int i = 0; i < 20000; ++i) {
        const double d = (i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random));
        for (std::int16_t figures : { 4, 6, 8, 10 }) {
            char text[64];
            auto end = std::to_chars(text, text + 64, d, std::chars_format::scientific, figures - 1).ptr;
            const char *mark = std::find(text, end, 'e') + 1;
            int nExp = 0;
            std::from_chars(mark + (*mark == '+'), end, nExp);
            if (figures < nExp + 1)
                continue;
            end = std::to_chars(text, text + 64, d, std::chars_format::fixed, figures - nExp - 1).ptr;
            ASSERT_EQ(core::TrimFigures(d, figures), std::string(text, end)) << d << " @" << figures;
            ++compared;
        }
    }
    EXPECT_GT(compared, 50000);
}

} // namespace
