// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Scanning of decimal number text, shared by Val, the entry check and the number-system digits.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace core::text {

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The longest number at the start of a text: optional sign, digits with at most one period, and an
// exponent (E or e, optional sign, digits) only when at least one exponent digit follows the mark.
struct NumberSpan
{
    std::size_t mantissaEnd = 0; // just past the sign, digits and period
    std::size_t end = 0; // just past the whole number, exponent included
    bool hasDigits = false; // at least one mantissa digit
};

NumberSpan ScanNumber(std::string_view s);

// The value of a scanned number (s starts at the number); nullopt beyond the double range.
std::optional<double> NumberValue(std::string_view s, const NumberSpan &span);

std::string_view SkipBlanks(std::string_view s);

} // namespace core::text
