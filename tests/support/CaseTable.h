// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The case tables under tests/data: one case a line, fields separated by "|" with the blanks around
// them dropped. A line "columns: a | b | c" names the fields of the lines after it; a field is read
// by its column's name, and a field left out of a line reads as empty. Empty lines and lines
// starting with "#" are skipped. A field in double quotes keeps its blanks. Escapes: \t \r \n \"
// \\ and \xHH for a raw byte (texts that are no UTF-8).
#pragma once

#include <algorithm>
#include <charconv>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cases {

class Case
{
public:
    Case() = default;
    Case(std::string where, std::shared_ptr<const std::vector<std::string>> columns)
        : m_where(std::move(where))
        , m_columns(std::move(columns))
    { }

    // file:line, for the failure messages.
    const std::string &where() const { return m_where; }
    // The field of `column`; a column the table does not name is a mistake in the test.
    const std::string &operator[](std::string_view column) const
    {
        static const std::string none;
        const std::size_t k = index(column);
        return k < m_fields.size() ? m_fields[k] : none;
    }
    // The fields from `column` to the end of the line, for a last column of any number of fields.
    std::vector<std::string> from(std::string_view column) const
    {
        const auto k = static_cast<std::ptrdiff_t>(std::min(index(column), m_fields.size()));
        return { m_fields.begin() + k, m_fields.end() };
    }
    std::vector<std::string> &fields() { return m_fields; }

private:
    std::size_t index(std::string_view column) const
    {
        const auto found = std::find(m_columns->begin(), m_columns->end(), column);
        if (found == m_columns->end())
            throw std::out_of_range(m_where + ": no column \"" + std::string(column) + "\"");
        return std::size_t(found - m_columns->begin());
    }

    std::string m_where;
    std::shared_ptr<const std::vector<std::string>> m_columns = std::make_shared<std::vector<std::string>>();
    std::vector<std::string> m_fields;
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

inline std::vector<std::string> Fields(std::string_view line)
{
    std::vector<std::string> out;
    for (std::size_t pos = 0, bar = 0; bar != line.npos; pos = bar + 1)
        out.push_back(Field(line.substr(pos, (bar = line.find('|', pos)) - pos)));
    return out;
}

// The cases of tests/data/<name>; a missing file, a row before any "columns:" line, or a table
// without rows is an error.
inline std::vector<Case> Read(const std::string &name)
{
    constexpr std::string_view kColumns = "columns:";
    std::vector<Case> cases;
    std::ifstream in(std::string(ORLO_TEST_DATA) + "/" + name);
    if (!in)
        throw std::runtime_error("no case table " + name);
    std::shared_ptr<const std::vector<std::string>> columns;
    int n = 0;
    for (std::string line; std::getline(in, line);) {
        ++n;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line.starts_with(kColumns)) {
            columns = std::make_shared<const std::vector<std::string>>(Fields(line.substr(kColumns.size())));
            continue;
        }
        if (!columns)
            throw std::runtime_error(name + ":" + std::to_string(n) + ": a case before its columns");
        Case &c = cases.emplace_back(name + ":" + std::to_string(n), columns);
        c.fields() = Fields(line);
    }
    if (cases.empty())
        throw std::runtime_error("no cases in " + name);
    return cases;
}

// A number field; "inf", "-inf" and "nan" as well.
inline double Number(const std::string &s)
{
    double d = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), d);
    if (ec != std::errc() || end != s.data() + s.size())
        throw std::invalid_argument("not a number: " + s);
    return d;
}

} // namespace cases
