// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// What every dialog test needs: recording fakes, the shared state, a stand-in main window and a
// scratch directory for the files.
#pragma once

#include "core/mOrlo.h"
#include "platform/fake/FakePlatform.h"
#include "store/Store.h"
#include "ui/dialogs/Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace test {

struct Harness
{
    platform::fake::FakePlatform fake;
    platform::Platform services = fake.platform();
    store::Settings settings;
    core::UserTables user;
    core::Catalogue catalogue = core::BuildCatalogue(15, 15, user);
    ui::OnTop onTop { fake.order, settings.pnShowTop };
    QTemporaryDir dir;
    QWidget main;
    int groupsChanged = 0;
    QStringList saveFailures;
    std::function<void()> onGroupsChanged;

    ui::DialogContext ctx { services,
        settings,
        catalogue,
        user,
        onTop,
        dir.path().toStdString(),
        QStringLiteral("/opt/orlo/Orlohelp.hlp"),
        15,
        15,
        [this] {
            ++groupsChanged;
            if (onGroupsChanged)
                onGroupsChanged();
        },
        [this](const QString &name) { saveFailures << name; } };

    Harness() { onTop.setMainWindow(&main); }
    std::filesystem::path path() const { return ctx.dataDir; }

    QByteArray datBytes() const
    {
        QFile f(dir.filePath(QStringLiteral("ORL_USER.DAT")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
        w.Form_Load();
        w.show();
    }
};

// Runs `step` as soon as the event loop of a modal window spins.
inline void WhenModal(std::function<void()> step)
{
    QTimer::singleShot(0, qApp, std::move(step));
}

} // namespace test
