// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The protocol every secondary window follows, in one order: the main window gives up always-on-top,
// the window loads (on top, its open flag set), its own load runs, it is centred or placed, and it
// shows. Closing, however it comes about, clears the flag, takes it off top and hands on-top back. A
// centred window is centred again when first shown, once its frame is known.
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
    // Opens the window: loaded and shown, a modal one run until it closes; an open modeless window is
    // only brought forward.
    void present();
    // The loading part of present(), without showing.
    void load();

protected:
    enum class Placement {
        Centred, // in the middle of the screen
        Own, // the window places itself (place())
    };
    enum class Modality { Modeless, Modal };

    SecondaryWindow(WindowContext &ctx, Secondary which, Placement placement, Modality modality);

    // The window's own part of loading: contents and layout.
    virtual void Form_Load() = 0;
    // Where a window with a place of its own goes, once loaded.
    virtual void place() { }
    // The window's own part of closing, before on-top goes back; runs once per load.
    virtual void unloading() { }

    void closeEvent(QCloseEvent *event) final;
    void showEvent(QShowEvent *event) override;

    WindowContext &m_ctx;

private:
    Secondary m_which;
    Placement m_placement;
    Modality m_modality;
    CentreOnShow m_centre;
};

} // namespace ui
