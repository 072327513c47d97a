// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Plain text helpers of the query reader and the vocabulary: blanks, words, ASCII case.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace core::words {

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

inline std::vector<std::string> Words(std::string_view s)
{
    std::vector<std::string> words;
    for (std::size_t i = 0; i < s.size();) {
        while (i < s.size() && IsBlank(s[i]))
            ++i;
        const std::size_t start = i;
        while (i < s.size() && !IsBlank(s[i]))
            ++i;
        if (i > start)
            words.emplace_back(s.substr(start, i - start));
    }
    return words;
}

inline std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char &c : out)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return out;
}

// Built anew rather than replaced in place: g++ 12 at -O3 warns falsely (-Wrestrict, GCC bug 105651)
// about std::string::replace here.
inline std::string ReplaceAll(std::string_view s, std::string_view what, std::string_view with)
{
    std::string out;
    for (std::size_t at = s.find(what); at != std::string_view::npos; at = s.find(what)) {
        out.append(s.substr(0, at)).append(with);
        s.remove_prefix(at + what.size());
    }
    return out.append(s);
}

// Prime and curly quote marks as the ASCII marks of feet and inches ("5′11″", "5’11”").
inline constexpr std::pair<std::string_view, std::string_view> kQuoteMarks[] = {
    { "\xE2\x80\xB2", "'" }, // ′
    { "\xE2\x80\xB3", "\"" }, // ″
    { "\xE2\x80\x99", "'" }, // ’
    { "\xE2\x80\x9D", "\"" }, // ”
    { "\xE2\x80\x9C", "\"" }, // “
};

inline std::string PlainQuotes(std::string_view s)
{
    std::string out(s);
    for (const auto &[from, to] : kQuoteMarks)
        out = ReplaceAll(out, from, to);
    return out;
}

} // namespace core::words
