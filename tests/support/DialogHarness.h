// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// What every dialog test needs: recording fakes, the shared state, a stand-in main window and a
// scratch directory for the files.
#pragma once

#include "core/mOrlo.h"
#include "platform/fake/FakePlatform.h"
#include "state/ProgramState.h"
#include "store/Store.h"
#include "ui/dialogs/Dialogs.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace test {

struct Harness
{
    platform::fake::FakePlatform fake;
    platform::Platform services = fake.platform();
    QTemporaryDir dir;
    state::ProgramState state;
    const store::Settings &settings = state.settings();
    // Tables a test prepares before its window loads; adopt() hands them to the state.
    core::UserTables user;
    ui::OnTop onTop { fake.order, settings.pnShowTop };
    QWidget main;
    int groupsChanged = 0;
    ui::WindowContext ctx { services, state, onTop };

    // The files in a fresh folder, or in `subfolder` of it (which need not exist).
    explicit Harness(const char *subfolder = "")
        : state(std::filesystem::path(dir.path().toStdString()) / subfolder,
            "/opt/orlo",
            QStringLiteral("/opt/orlo/Orlohelp.hlp"))
    {
        onTop.setMainWindow(&main);
        QObject::connect(&state, &state::ProgramState::customGroupsChanged, [this] { ++groupsChanged; });
    }
    const core::UserTables &tables() const { return state.userTables(); }

    // The prepared tables become the program's, saved to the folder; nothing counted yet.
    void adopt()
    {
        state.replaceCustomTables(user);
        groupsChanged = 0;
    }
};

// A window of its own harness, loaded and shown; `setup` prepares the state it loads from.
template <class Window> struct Loaded
{
    Harness h;
    Window w { h.ctx };

    explicit Loaded(const std::function<void(Harness &)> &setup = {})
    {
        if (setup)
            setup(h);
        h.adopt();
        w.load();
        w.show();
    }
};

// Runs `step` as soon as the event loop of a modal window spins.
inline void WhenModal(std::function<void()> step)
{
    QTimer::singleShot(0, qApp, std::move(step));
}

} // namespace test
