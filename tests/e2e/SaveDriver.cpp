// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Test driver for killing the program's saves half-way: `save DIR FIRST` writes both files over
// and over, generation FIRST, FIRST + 1, ..., until it is killed; `check DIR` reads what a kill
// left behind and tells which generations the two files hold; `start DIR` cleans the folder up as
// the converter's start does.
//
// Every generation has its own, recognisable content of changing length, so a file that mixes
// two generations or stops early cannot pass for a whole one.
#include "store/Store.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace {

using Generation = std::uint32_t;

constexpr std::int16_t kFigures[] = { 4, 6, 8, 10, 7 };

std::int16_t Small(Generation k, unsigned mul, unsigned mod)
{
    return static_cast<std::int16_t>((k * mul) % mod);
}

store::Settings SettingsOf(Generation k)
{
    store::Settings s;
    s.pnFrmConvTop = Small(k, 1, 30000);
    s.pnFrmConstLeft = Small(k, 17, 30000);
    s.pnSelUnitGrp = Small(k, 1, 52);
    s.pnFigure = kFigures[k % 5];
    s.psBtnTextColor = std::string(k % 40, '9'); // a line of changing length
    // The generation itself, read back by `check`.
    s.psBtnTextColor3 = std::to_string(k);
    return s;
}

// About 40 to 120 kB a generation: large enough that a kill often lands inside a write.
core::UserTables TablesOf(Generation k)
{
    core::UserTables t;
    for (std::size_t g = 0; g < t.UserGrpName.size(); ++g) {
        t.UserGrpName[g] = "Generation " + std::to_string(k) + " group " + std::to_string(g);
        for (std::size_t u = 0; u < 10; ++u) {
            const auto len = 50 + (k * 31 + g * 11 + u * 7) % 400;
            t.UserUnitName[g][u] = std::string(len, static_cast<char>('a' + (k + g + u) % 26));
            t.UserCoefText[g][u] = std::to_string(k) + "." + std::to_string(g * 10 + u) + "E-3";
            t.UserOffsetText[g][u] = (k + u) % 3 == 0 ? std::string() : std::to_string(u) + ".5";
        }
    }
    return t;
}

bool SameTexts(const core::UserTables &a, const core::UserTables &b)
{
    return a.UserGrpName == b.UserGrpName && a.UserUnitName == b.UserUnitName
        && a.UserCoefText == b.UserCoefText && a.UserOffsetText == b.UserOffsetText;
}

std::optional<Generation> Number(std::string_view text)
{
    Generation k = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), k);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return k;
}

int Save(const std::filesystem::path &dir, Generation first)
{
    for (Generation k = first;; ++k) {
        store::Settings s = SettingsOf(k);
        if (store::CfgSave(dir, s) != store::SaveResult::Saved
            || store::DatSave(dir, TablesOf(k)) != store::SaveResult::Saved) {
            std::fprintf(stderr, "saving generation %u failed\n", k);
            return 1;
        }
        // The caller waits for the first pair before it starts killing.
        if (k == first) {
            std::puts("saved");
            std::fflush(stdout);
        }
    }
}

// Prints "CFG DAT", the two generations found; any file that is not a whole generation fails.
int Check(const std::filesystem::path &dir)
{
    store::Settings s;
    if (store::CfgRead(dir, s) != store::CfgReadResult::Loaded) {
        std::fprintf(stderr, "ORLOPREF.CFG does not load\n");
        return 1;
    }
    const std::optional<Generation> cfg = Number(s.psBtnTextColor3);
    if (!cfg || !(s == SettingsOf(*cfg))) {
        std::fprintf(stderr, "ORLOPREF.CFG loads but is no generation that was written\n");
        return 1;
    }
    core::UserTables t;
    if (store::DatRead(dir, t) != store::DatReadResult::Loaded) {
        std::fprintf(stderr, "ORL_USER.DAT does not load\n");
        return 1;
    }
    const std::string_view name = t.UserGrpName[0];
    constexpr std::string_view prefix = "Generation ";
    const auto space = name.find(' ', prefix.size());
    const std::optional<Generation> dat = name.starts_with(prefix) && space != std::string_view::npos
        ? Number(name.substr(prefix.size(), space - prefix.size()))
        : std::nullopt;
    if (!dat || !SameTexts(t, TablesOf(*dat))) {
        std::fprintf(stderr, "ORL_USER.DAT loads but is no generation that was written\n");
        return 1;
    }
    std::printf("%u %u\n", *cfg, *dat);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "save" && argc == 4) {
        if (const auto first = Number(argv[3]))
            return Save(argv[2], *first);
    }
    if (mode == "check" && argc == 3)
        return Check(argv[2]);
    // What the converter does with the folder when it starts.
    if (mode == "start" && argc == 3) {
        store::RemoveLeftoverTemporaries(argv[2]);
        return 0;
    }
    std::fprintf(stderr, "usage: %s save DIR FIRST | check DIR | start DIR\n", argv[0]);
    return 2;
}
