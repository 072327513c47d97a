// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The protocol every secondary window follows: loading takes always-on-top and sets the window's open
// flag; closing, however it comes about, clears the flag, takes it off top and hands on-top back. A
// window without a stored place is centred when it loads and again when first shown.
#pragma once

#include "platform/Platform.h"
#include "state/ProgramState.h"
#include "ui/common/OnTop.h"
#include "ui/common/Windows.h"

#include <QDialog>

namespace ui {

// What a secondary window works with.
struct WindowContext
{
    platform::Platform &platform;
    state::ProgramState &state;
    OnTop &onTop;
};

class SecondaryWindow : public QDialog
{
    Q_OBJECT

public:
    bool isLoaded() const { return m_loaded; }

protected:
    enum class Placement {
        Centred, // in the middle of the screen
        Own, // the window places itself
    };

    SecondaryWindow(WindowContext &ctx, Secondary which, Placement placement);

    // The first step of every load.
    void beginLoad();
    // Centres a centred window once its size is known.
    void centre();
    // The window's own part of closing, before on-top goes back; runs once per load.
    virtual void unloading() { }

    void closeEvent(QCloseEvent *event) final;
    void showEvent(QShowEvent *event) override;

    WindowContext &m_ctx;

private:
    Secondary m_which;
    Placement m_placement;
    bool m_loaded = false;
    CentreOnShow m_centre;
};

} // namespace ui
