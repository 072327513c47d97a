// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Temporary directories, raw file access and sample tables for the store tests.
#pragma once

#include "core/mOrlo.h"
#include "support/CaseTable.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace storetest {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// A fresh directory, removed with everything in it.
struct TempDir
{
    static fs::path Make()
    {
        std::string name = (fs::temp_directory_path() / "orlo-store-XXXXXX").string();
        return ::mkdtemp(name.data()) ? fs::path(name) : throw std::runtime_error("no temporary directory");
    }
    ~TempDir()
    {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path, ec);
    }
    fs::path operator/(std::string_view name) const { return path / name; }
    const fs::path path = Make();
};

inline std::string ReadBytes(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

inline void WriteBytes(const fs::path &p, std::string_view bytes)
{
    std::ofstream(p, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

inline fs::path DataFile(std::string_view name)
{
    return fs::path(ORLO_TEST_DATA) / name;
}

// The directory's entry names, sorted: shows that no temporary file stays behind.
inline Names Entries(const fs::path &dir)
{
    Names names;
    for (const auto &e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// "<prefix><n>". Built with append: g++ 12 at -O2/-O3 warns falsely (-Wrestrict, GCC bugs 105329 and
// 105651) about `"G" + std::to_string(g)`, the literal-plus-temporary form.
inline std::string Numbered(std::string prefix, int n)
{
    return prefix.append(std::to_string(n));
}

// Every text filled and distinct: names "G<g>", labels "u<g>.<u>", coefficients "<g>.<u>", offsets "-<g>".
inline core::UserTables FilledTables()
{
    core::UserTables t;
    for (int g = 0; g < core::pnUserGrpCount; ++g) {
        t.UserGrpName[g] = Numbered("G", g);
        for (int u = 0; u < core::kUserUnitsUsed; ++u) {
            t.UserUnitName[g][u] = Numbered(Numbered("u", g) + ".", u);
            t.UserCoefText[g][u] = t.UserUnitName[g][u].substr(1);
            t.UserOffsetText[g][u] = Numbered("-", g);
        }
    }
    return t;
}

// The tables' texts in file order; the group records' repeated texts are not in the tables.
inline Names Texts(const core::UserTables &t)
{
    Names out;
    for (int g = 0; g < core::pnUserGrpCount; ++g) {
        out.push_back(t.UserGrpName[g]);
        for (int u = 0; u < core::kUserUnitsUsed; ++u)
            out.insert(out.end(), { t.UserUnitName[g][u], t.UserCoefText[g][u], t.UserOffsetText[g][u] });
    }
    return out;
}

} // namespace storetest
