// Temporary directories and raw file access for the store tests.
#pragma once

#include "core/mOrlo.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace storetest {

namespace fs = std::filesystem;

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir
{
public:
    TempDir()
    {
        std::string tmpl = (fs::temp_directory_path() / "orlo-store-XXXXXX").string();
        if (::mkdtemp(tmpl.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = tmpl;
    }
    ~TempDir()
    {
        std::error_code ec;
        fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_path, ec);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const fs::path &path() const { return m_path; }
    fs::path operator/(std::string_view name) const { return m_path / name; }

private:
    fs::path m_path;
};

inline std::string ReadBytes(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

inline void WriteBytes(const fs::path &p, std::string_view bytes)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline fs::path DataFile(std::string_view name)
{
    return fs::path(ORLO_TEST_DATA) / name;
}

// Names of the entries of a directory, to show that no temporary file stays behind.
inline std::vector<std::string> Entries(const fs::path &dir)
{
    std::vector<std::string> names;
    for (const auto &e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Tables with every name and text filled, each distinct: "G<g>", "u<g>.<u>", "<g>.<u>", "-<g>".
inline core::UserTables FilledTables()
{
    core::UserTables t;
    for (int g = 0; g < core::pnUserGrpCount; ++g) {
        t.UserGrpName[g] = "G" + std::to_string(g);
        for (int u = 0; u < core::kUserUnitsUsed; ++u) {
            const std::string gu = std::to_string(g) + "." + std::to_string(u);
            t.UserUnitName[g][u] = "u" + gu;
            t.UserCoefText[g][u] = gu;
            t.UserOffsetText[g][u] = "-" + std::to_string(g);
        }
    }
    return t;
}

// The texts of the tables in the order the file holds them (group records' repeated texts left out).
inline std::vector<std::string> TextsInFileOrder(const core::UserTables &t)
{
    std::vector<std::string> out;
    for (int g = 0; g < core::pnUserGrpCount; ++g) {
        out.push_back(t.UserGrpName[g]);
        for (int u = 0; u < core::kUserUnitsUsed; ++u) {
            out.push_back(t.UserUnitName[g][u]);
            out.push_back(t.UserCoefText[g][u]);
            out.push_back(t.UserOffsetText[g][u]);
        }
    }
    return out;
}

} // namespace storetest
