// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/NumberText.h"

#include "core/mOrlo.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace core {
namespace text {
namespace {

std::size_t SkipDigits(std::string_view s, std::size_t i)
{
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    return i;
}

bool IsSign(char c)
{
    return c == '+' || c == '-';
}

// Decimal order of magnitude of a number that the parser found out of range, so that overflow
// and underflow can be told apart. The exponent is saturated; only its sign matters here.
bool IsOverflow(std::string_view s, const NumberSpan &span)
{
    std::size_t i = IsSign(s[0]) ? 1 : 0;
    long long order = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    for (; i < span.mantissaEnd; ++i) {
        if (s[i] == '.') {
            afterPoint = true;
        } else if (!seenNonZero && s[i] == '0') {
            if (afterPoint)
                --order;
        } else {
            seenNonZero = true;
            if (!afterPoint)
                ++order;
        }
    }
    long long exponent = 0;
    if (span.end > span.mantissaEnd) {
        std::size_t e = span.mantissaEnd + 1;
        const bool negative = s[e] == '-';
        if (IsSign(s[e]))
            ++e;
        for (; e < span.end && exponent < 1'000'000'000'000'000; ++e)
            exponent = exponent * 10 + (s[e] - '0');
        if (negative)
            exponent = -exponent;
    }
    return order + exponent > 0;
}

} // namespace

std::string_view SkipBlanks(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return s.substr(i);
}

NumberSpan ScanNumber(std::string_view s)
{
    NumberSpan span;
    std::size_t i = 0;
    if (i < s.size() && IsSign(s[i]))
        ++i;
    const std::size_t intStart = i;
    i = SkipDigits(s, i);
    span.hasDigits = i > intStart;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fracStart = ++i;
        i = SkipDigits(s, i);
        span.hasDigits = span.hasDigits || i > fracStart;
    }
    span.mantissaEnd = i;
    span.end = i;
    if (span.hasDigits && i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < s.size() && IsSign(s[e]))
            ++e;
        const std::size_t expEnd = SkipDigits(s, e);
        if (expEnd > e)
            span.end = expEnd;
    }
    return span;
}

std::optional<double> NumberValue(std::string_view s, const NumberSpan &span)
{
    if (!span.hasDigits)
        return 0.0;
    const bool negative = s[0] == '-';
    const std::size_t start = IsSign(s[0]) ? 1 : 0;
    const char *first = s.data() + start;
    const char *last = s.data() + span.end;
    double value = 0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (IsOverflow(s, span))
            return std::nullopt;
        value = 0; // below the smallest subnormal: the nearest double is zero
    } else if (result.ec != std::errc() || result.ptr != last) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace text

std::optional<double> Val(std::string_view s)
{
    s = text::SkipBlanks(s);
    return text::NumberValue(s, text::ScanNumber(s));
}

namespace {

bool IsSign(char c)
{
    return c == '+' || c == '-';
}

// A lone sign, or a mantissa without exponent followed by its mark and maybe a sign: the states a
// number passes through while it is typed.
bool IsPartlyTyped(std::string_view s)
{
    if (s.size() == 1 && IsSign(s[0]))
        return true;
    const text::NumberSpan span = text::ScanNumber(s);
    if (!span.hasDigits || span.end != span.mantissaEnd)
        return false;
    std::string_view rest = s.substr(span.mantissaEnd);
    if (rest.empty() || (rest[0] != 'e' && rest[0] != 'E'))
        return false;
    rest.remove_prefix(1);
    return rest.empty() || (rest.size() == 1 && IsSign(rest[0]));
}

// The whole text, blanks around it aside, is one number within the double range.
bool IsWholeNumber(std::string_view s)
{
    const text::NumberSpan span = text::ScanNumber(s);
    if (!span.hasDigits)
        return false;
    if (!text::SkipBlanks(s.substr(span.end)).empty())
        return false;
    return text::NumberValue(s, span).has_value();
}

} // namespace

std::int16_t InvalidNumCheck(std::string_view s, const CommaNotice &onComma)
{
    if (s.empty())
        return 0;
    if (s.find(',') != std::string_view::npos) {
        if (onComma)
            onComma();
        return 0;
    }
    const std::string_view t = text::SkipBlanks(s);
    if (IsWholeNumber(t) || IsPartlyTyped(t))
        return 0;
    return 1;
}

} // namespace core
