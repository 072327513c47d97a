// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "core/mOrlo.h"

#include <algorithm>
#include <charconv>
#include <cmath>

// Every text here comes from std::to_chars with an explicit precision, which rounds the exact
// binary value of the double: 273.15 at four figures is 273.1 because the stored double lies just
// below 273.15. A true half (only an exactly representable value such as 2.5 or 0.125) goes to the
// even neighbour, the same rule the program uses wherever a double becomes an integer.

namespace core {
namespace {

// More figures than a double holds only add zeros; the cap keeps every text in a fixed buffer.
// The widest text is the largest double as a whole number: 309 digits and a sign.
constexpr int kMaxFigures = 30;
constexpr std::size_t kBufferSize = 400;

int ClampFigures(std::int16_t nFigure)
{
    return std::clamp<int>(nFigure, 1, kMaxFigures);
}

// A negative zero is not negative.
double WithoutNegativeZero(double d)
{
    return d == 0 ? 0.0 : d;
}

std::string ToChars(double d, std::chars_format format, int precision)
{
    char buffer[kBufferSize];
    const auto result = std::to_chars(buffer, buffer + kBufferSize, d, format, precision);
    if (result.ec != std::errc())
        return std::string(kInputError);
    return std::string(buffer, result.ptr);
}

// "1.2340e+05" from to_chars becomes "1.2340E+05"; the exponent already has a sign and at least
// two digits.
std::string Scientific(double d, int nFigure)
{
    std::string s = ToChars(d, std::chars_format::scientific, nFigure - 1);
    const std::size_t e = s.find('e');
    if (e == std::string::npos)
        return s;
    s[e] = 'E';
    if (nFigure == 1)
        s.insert(e, 1, '.'); // one figure still shows the decimal point: "5.E+00"
    return s;
}

struct ScientificParts
{
    ScientificParts() = default;
    ScientificParts(const ScientificParts &) = delete; // the views point into buffer
    ScientificParts &operator=(const ScientificParts &) = delete;

    std::string_view sign; // "-" or empty
    std::string_view digits; // the significant digits, decimal point removed
    int exponent = 0; // of the value rounded to those digits: 9.996 at three figures is 1.00E+01
    char buffer[kMaxFigures + 16];
};

// Splits to_chars' "-1.2340e+05" into sign, digits and exponent.
void SplitScientific(double d, int nFigure, ScientificParts &parts)
{
    char text[kMaxFigures + 16];
    const auto result =
        std::to_chars(text, text + sizeof text, d, std::chars_format::scientific, nFigure - 1);
    const std::string_view s(text, static_cast<std::size_t>(result.ptr - text));
    const std::size_t e = s.find('e');
    std::string_view mantissa = s.substr(0, e);
    if (!mantissa.empty() && mantissa[0] == '-') {
        parts.sign = "-";
        mantissa.remove_prefix(1);
    }
    std::size_t n = 0;
    for (char c : mantissa) {
        if (c != '.')
            parts.buffer[n++] = c;
    }
    parts.digits = std::string_view(parts.buffer, n);
    const char *first = s.data() + e + 1;
    if (*first == '+')
        ++first;
    std::from_chars(first, s.data() + s.size(), parts.exponent);
}

// Plain notation from the same rounded digits: rounding at the last significant figure is the
// same whether the figures are then written with an exponent or as decimals.
std::string Plain(const ScientificParts &parts)
{
    std::string s(parts.sign);
    const auto exponent = static_cast<std::size_t>(parts.exponent < 0 ? 0 : parts.exponent);
    if (parts.exponent < 0) {
        s += "0.";
        s.append(static_cast<std::size_t>(-parts.exponent - 1), '0');
        s += parts.digits;
    } else {
        s += parts.digits.substr(0, exponent + 1);
        if (parts.digits.size() > exponent + 1) {
            s += '.';
            s += parts.digits.substr(exponent + 1);
        }
    }
    return s;
}

} // namespace

std::string ExpressAsExp(double dInput, std::int16_t nFigure)
{
    if (!std::isfinite(dInput))
        return std::string(kInputError);
    return Scientific(WithoutNegativeZero(dInput), ClampFigures(nFigure));
}

std::string TrimFigures(double dInput, std::int16_t nFigure)
{
    if (!std::isfinite(dInput))
        return std::string(kInputError);
    const double d = WithoutNegativeZero(dInput);
    const int figures = ClampFigures(nFigure);
    ScientificParts parts;
    SplitScientific(d, figures, parts);
    if (figures < parts.exponent + 1)
        return Scientific(d, figures);
    return Plain(parts);
}

std::string FormatInteger(double dInput)
{
    if (!std::isfinite(dInput))
        return std::string(kInputError);
    return ToChars(WithoutNegativeZero(dInput), std::chars_format::fixed, 0);
}

std::string CommaToPeriod(std::string_view s)
{
    std::string result(s);
    const std::size_t comma = result.find(',');
    if (comma != std::string::npos)
        result[comma] = '.';
    return result;
}

} // namespace core
