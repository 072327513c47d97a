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

// Fixed notation of the smallest subnormal with the most decimals TrimFigures can ask for stays
// well inside this.
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

// The decimal exponent of d once rounded to nFigure significant figures, so 9.996 at three
// figures counts as 1.00E+01.
int RoundedExponent(double d, int nFigure)
{
    if (d == 0)
        return 0;
    const std::string s = ToChars(d, std::chars_format::scientific, nFigure - 1);
    const std::size_t e = s.find('e');
    int exponent = 0;
    if (e != std::string::npos) {
        const char *first = s.data() + e + 1;
        if (*first == '+')
            ++first;
        std::from_chars(first, s.data() + s.size(), exponent);
    }
    return exponent;
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
    const int nExp = RoundedExponent(d, figures);
    if (figures < nExp + 1)
        return Scientific(d, figures);
    // With no decimals to_chars writes no separator, which is what is wanted.
    return ToChars(d, std::chars_format::fixed, figures - nExp - 1);
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
