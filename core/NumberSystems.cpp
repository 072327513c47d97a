// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/NumberText.h"
#include "core/mOrlo.h"

#include <charconv>
#include <cstdint>

namespace core {
namespace {

constexpr std::int64_t kInt32Max = 2147483647;

bool AllDecimalDigits(std::string_view s)
{
    for (char c : s) {
        if (!text::IsDigit(c))
            return false;
    }
    return true;
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string Digits(std::int64_t v, int base)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, base);
    std::string s(buffer, result.ptr);
    for (char &c : s) {
        if (c >= 'a' && c <= 'f')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

// Decimal digits as a signed 32-bit value; nullopt when empty or too large, which the conversion
// reports as a failure.
std::optional<std::int64_t> DecimalToInt32(std::string_view s)
{
    std::int32_t v = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || result.ec != std::errc() || result.ptr != s.data() + s.size())
        return std::nullopt;
    return v;
}

// The other systems into decimal text. nullopt is a failure of the conversion itself (a value
// beyond the signed 32-bit range); texts with digits the system lacks give "Input error", which
// the next step rejects in turn.
using DecimalText = std::optional<std::string>;

DecimalText BinToDec(std::string_view s)
{
    if (s.size() > 16)
        return std::string(kInputError);
    std::int64_t v = 0;
    for (char c : s) {
        if (c != '0' && c != '1')
            return std::string(kInputError);
        v = v * 2 + (c - '0');
    }
    return Digits(v, 10);
}

DecimalText OctToDec(std::string_view s)
{
    if (s.size() > 11)
        return std::string(kInputError);
    std::int64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '7')
            return std::string(kInputError);
        v = v * 8 + (c - '0');
    }
    if (v > kInt32Max)
        return std::nullopt;
    return Digits(v, 10);
}

DecimalText HexToDec(std::string_view s)
{
    if (s.size() > 8)
        return std::string(kInputError);
    std::int64_t v = 0;
    for (char c : s) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::string(kInputError);
        v = v * 16 + digit;
    }
    return Digits(v, 10);
}

DecimalText ToDecimal(std::int16_t f, std::string_view s)
{
    switch (f) {
    case 1:
        return BinToDec(s);
    case 2:
        return OctToDec(s);
    default:
        return HexToDec(s);
    }
}

std::string FromDecimal(std::int16_t t, std::string_view d)
{
    switch (t) {
    case 1:
        return DecToBin(d);
    case 2:
        return DecToOct(d);
    default:
        return DecToHex(d);
    }
}

std::string DecToBase(std::string_view s, int base)
{
    if (!AllDecimalDigits(s))
        return std::string(kInputError);
    const auto v = DecimalToInt32(s);
    if (!v)
        return std::string(kInputError);
    return Digits(*v, base);
}

} // namespace

std::string DecToBin(std::string_view s)
{
    if (!AllDecimalDigits(s))
        return std::string(kInputError);
    // Only digits remain, so Val reads the whole text and an empty text is 0.
    const auto value = Val(s);
    if (!value || *value > 65535)
        return std::string(kInputError);
    const auto n = static_cast<std::uint32_t>(*value);
    std::string bits(16, '0');
    for (int bit = 15; bit >= 0; --bit) {
        if (n & (1U << bit))
            bits[static_cast<std::size_t>(15 - bit)] = '1';
    }
    return bits;
}

std::string DecToOct(std::string_view s)
{
    return DecToBase(s, 8);
}

std::string DecToHex(std::string_view s)
{
    return DecToBase(s, 16);
}

std::string FmtBinToDec(std::string_view s)
{
    return BinToDec(s).value_or(std::string(kInputError));
}

std::string FmtOctToDec(std::string_view s)
{
    return OctToDec(s).value_or(std::string(kInputError));
}

std::string FmtHexToDec(std::string_view s)
{
    return HexToDec(s).value_or(std::string(kInputError));
}

std::optional<std::string> NumberSystemConvert(std::int16_t f, std::int16_t t, std::string_view s)
{
    if (f < 0 || f > 3)
        return std::nullopt;
    if (f == 0) {
        if (t < 1 || t > 3)
            return std::nullopt;
        return FromDecimal(t, s);
    }
    // The decimal reading comes first, so its failure shows even where the target is the source.
    const DecimalText d = ToDecimal(f, s);
    if (!d)
        return std::string(kInputError);
    if (t < 0 || t > 3 || t == f)
        return std::nullopt;
    if (t == 0)
        return *d;
    return FromDecimal(t, *d);
}

} // namespace core
