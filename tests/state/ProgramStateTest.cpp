// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The program's state loads the committed fixtures, replaces the custom tables, saves and converts
// without any window.
#include "state/ProgramState.h"

#include "support/StoreTestUtil.h"

#include <gtest/gtest.h>

using namespace storetest;

namespace {

struct Folder
{
    TempDir dir;
    state::ProgramState state { dir.path, "/opt/orlo", QStringLiteral("/opt/orlo/Orlohelp.hlp") };
    int changed = 0;
    QStringList failures;

    // The fixtures, the configuration with `line` put in place of the line of its key.
    explicit Folder(const std::string &line = {})
    {
        std::string cfg = ReadBytes(fs::path(ORLO_TEST_DATA) / "defaults.cfg");
        if (const auto key = line.substr(0, line.find('=') + 1); !key.empty()) {
            const auto at = cfg.find(key);
            cfg.replace(at, cfg.find('\r', at) - at, line);
        }
        std::ofstream(dir / "ORLOPREF.CFG", std::ios::binary) << cfg;
        fs::copy_file(fs::path(ORLO_TEST_DATA) / "cp1252.dat", dir / "ORL_USER.DAT");
        QObject::connect(&state, &state::ProgramState::customGroupsChanged, [this] { ++changed; });
        QObject::connect(
            &state, &state::ProgramState::saveFailed, [this](const QString &name) { failures << name; });
    }
};

TEST(ProgramState, LoadsBothFixturesAndBuildsTheCustomGroupsFromThem)
{
    Folder f("Quantity=30");
    const state::LoadReport report = f.state.load();
    EXPECT_FALSE(report.defaultsLoaded);
    EXPECT_FALSE(report.customFileFailed);
    EXPECT_EQ(f.state.settings().pnSelUnitGrp, 30);
    EXPECT_EQ(f.state.userTables().UserGrpName[0],
        "Fl\xc3\xa4"
        "che m\xc2\xb2");
    // The second custom group is the fixture's temperature scale: 100 °C is 212 °F.
    EXPECT_EQ(f.state.catalogue().GroupName[core::pnUserGrpFirst + 1], "Temperatur \xc2\xb0");
    EXPECT_EQ(f.state.convert(0, 1, "100").text, std::optional<std::string>("212.000"));
}

TEST(ProgramState, ReplacingTheCustomTablesRebuildsSignalsAndSaves)
{
    Folder f;
    f.state.load();
    core::UserTables t = f.state.userTables();
    t.UserGrpName[3] = "Flow";
    t.UserGrpName[0].clear();
    // Told of the change, the windows refresh from tables that already hold it.
    QObject::connect(&f.state, &state::ProgramState::customGroupsChanged, [&f] {
        EXPECT_EQ(f.state.userTables().UserGrpName[3] + f.state.catalogue().GroupName[core::pnUserGrpFirst],
            "Flow");
    });
    t.UserUnitName[3][0] = "l/s";
    t.UserCoefText[3][0] = "0.001";
    t.UserCoef[3][0] = 0.001;
    f.state.replaceCustomTables(t);
    EXPECT_EQ(f.changed, 1);
    EXPECT_EQ(f.state.catalogue().GroupName[core::pnUserGrpFirst + 3], "Flow");
    core::UserTables back;
    ASSERT_EQ(store::DatRead(f.dir.path, back), store::DatReadResult::Loaded);
    EXPECT_EQ(back.UserGrpName[3], "Flow");
    EXPECT_EQ(back.UserGrpName[0], t.UserGrpName[0]);
    EXPECT_TRUE(f.failures.isEmpty());
}

// Every setting changes through the state, and each real change is told once, so every view can follow
// a setting changed from anywhere (the About box's format rule, a corner saved by a window).
TEST(ProgramState, SettingsChangeThroughTheStateAndAreToldOnce)
{
    Folder f;
    f.state.load();
    int told = 0;
    QObject::connect(&f.state, &state::ProgramState::settingsChanged, [&told] { ++told; });
    f.state.setFigures(10);
    f.state.setFigures(10);
    f.state.setFormat(3);
    f.state.settleFormat(); // the About request is spent: Regular
    f.state.setShowTop(true);
    f.state.setGroup(9, 20);
    f.state.setCorner(state::Placed::Constants, { 2505, 1650 });
    f.state.setCorner(state::Placed::Main, f.state.corner(state::Placed::Main));
    const store::Settings &s = f.state.settings();
    EXPECT_EQ(std::tuple(s.pnFigure, s.pnFormFlag, s.pnShowTop, s.pnSelUnitGrp, s.pnSelUnitItem),
        std::tuple(10, 0, 1, 9, 20));
    EXPECT_EQ(std::tuple(s.pnFrmConstLeft, s.pnFrmConstTop), std::tuple(2505, 1650));
    EXPECT_EQ(told, 6);
    // The warp factor takes part in the next conversion from Warp: factor 9.9999 is 199516 c, shown
    // with the ten figures chosen above.
    f.state.setWarpIndex(13);
    f.state.setGroup(core::pnSpeedGrp, 20);
    EXPECT_EQ(f.state.convert(core::pnWarpUnit, 9, "1").text, std::optional<std::string>("199516.0000"));
}

TEST(ProgramState, AFailedSaveIsReportedAndTheRunKeepsItsChanges)
{
    Folder f;
    f.state.load();
    fs::remove_all(f.dir.path);
    core::UserTables t = f.state.userTables();
    t.UserGrpName[4] = "Kept";
    f.state.replaceCustomTables(t);
    EXPECT_EQ(f.failures, QStringList { QStringLiteral("ORL_USER.DAT") });
    EXPECT_EQ(f.state.catalogue().GroupName[core::pnUserGrpFirst + 4], "Kept");
    f.state.setFigures(8);
    f.state.saveSettings();
    EXPECT_EQ(f.failures, (QStringList { QStringLiteral("ORL_USER.DAT"), QStringLiteral("ORLOPREF.CFG") }));
    EXPECT_EQ(f.state.settings().pnFigure, 8);
}

} // namespace
