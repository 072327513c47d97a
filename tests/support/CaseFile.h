// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Case tables kept as text files under tests/data: one case a line, fields separated by "|" with the
// blanks around them dropped; empty lines and lines starting with "#" are skipped. A field in double
// quotes keeps its blanks. Escapes: \t \r \n \" \\ and \xHH for a raw byte (texts that are no UTF-8).
#pragma once

#include <charconv>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cases {

struct Case
{
    std::string where; // file:line, for SCOPED_TRACE
    std::vector<std::string> f;
    // A field left out of the line reads as empty.
    const std::string &operator[](std::size_t k) const
    {
        static const std::string none;
        return k < f.size() ? f[k] : none;
    }
};

inline std::string Field(std::string_view raw)
{
    const auto first = raw.find_first_not_of(' ');
    raw = first == raw.npos ? raw.substr(0, 0) : raw.substr(first, raw.find_last_not_of(' ') - first + 1);
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
        raw = raw.substr(1, raw.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i] == '\\' && i + 1 < raw.size() ? raw[++i] : '\0';
        if (c == 'x') {
            out += char(std::stoi(std::string(raw.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c ? c : raw[i];
        }
    }
    return out;
}

inline std::vector<Case> Read(const std::string &name)
{
    std::vector<Case> cases;
    std::ifstream in(std::string(ORLO_TEST_DATA) + "/" + name);
    int n = 0;
    for (std::string line; std::getline(in, line);) {
        ++n;
        if (line.empty() || line[0] == '#')
            continue;
        Case &c = cases.emplace_back(Case { name + ":" + std::to_string(n), {} });
        for (std::size_t pos = 0, bar = 0; bar != line.npos; pos = bar + 1)
            c.f.push_back(Field(std::string_view(line).substr(pos, (bar = line.find('|', pos)) - pos)));
    }
    EXPECT_FALSE(cases.empty()) << "no cases in " << name;
    return cases;
}

// A number field; "inf", "-inf" and "nan" as well.
inline double Number(const std::string &s)
{
    double d = 0;
    EXPECT_EQ(std::from_chars(s.data(), s.data() + s.size(), d).ec, std::errc()) << s;
    return d;
}

} // namespace cases
