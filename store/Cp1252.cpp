// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Windows-1252 <-> UTF-8. The files keep the 8-bit texts of the program's Windows releases; inside the
// program every text is UTF-8.
#include "store/Store.h"

#include <array>
#include <cstdint>

namespace store {
namespace {

// Code points of the bytes 0x80..0x9F. The five bytes Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D)
// map to the C1 control code points of the same value, as Windows itself converts them, so every byte
// decodes to a distinct character and a file always saves back byte for byte.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

constexpr char32_t Decode1252(unsigned char b)
{
    return b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : b;
}

std::optional<unsigned char> Encode1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

void AppendUtf8(std::string &out, char32_t c)
{
    auto put = [&out](std::uint32_t v) { out.push_back(static_cast<char>(v)); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

// The next code point of a UTF-8 text, moving `pos` past it; nullopt for a malformed sequence
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
std::optional<char32_t> NextCodePoint(std::string_view s, std::size_t &pos)
{
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t c = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size())
            return std::nullopt;
        const auto b = static_cast<unsigned char>(s[pos]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (b & 0x3F);
        ++pos;
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    return c;
}

} // namespace

std::string FromCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes)
        AppendUtf8(out, Decode1252(static_cast<unsigned char>(b)));
    return out;
}

bool IsStorable(std::string_view utf8)
{
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto c = NextCodePoint(utf8, pos);
        if (!c || !Encode1252(*c))
            return false;
    }
    return true;
}

// What cannot be stored becomes "?"; the savers check IsStorable first and never get there.
std::string ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto c = NextCodePoint(utf8, pos);
        const auto b = c ? Encode1252(*c) : std::nullopt;
        out.push_back(static_cast<char>(b.value_or('?')));
    }
    return out;
}

} // namespace store
