// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Where the main window stands: at its stored corner (pulled onto the screen when no part of its title
// bar could be reached there), stored back as placed, and parked out of view while a save failure shows.
#pragma once

#include "platform/Platform.h"
#include "state/ProgramState.h"
#include "ui/common/Windows.h"

#include <QPoint>

#include <functional>
#include <optional>

class QWidget;

namespace ui {

class MainPlacement
{
public:
    MainPlacement(QWidget *window, state::ProgramState &state, const platform::Frames &frames)
        : m_window(window)
        , m_state(state)
        , m_frames(frames)
        , m_stored(state, frames, state::Placed::Main)
    { }
    // Puts the not yet shown window at its stored corner; from now on its position means something.
    void placeAtStoredCorner();
    bool placed() const { return m_placed; }
    // The first showing, framed at the stored corner or the nearest reachable one; `destroyNative`
    // drops a native window made before (only the window itself may).
    void showFramedAtStoredCorner(const std::function<void()> &destroyNative);
    // The frame's corner into the settings; where positions cannot be known the stored ones stay.
    void storePosition();
    // Off the screen, and back to the stored corner.
    void park();
    void unpark();

private:
    QWidget *m_window;
    state::ProgramState &m_state;
    const platform::Frames &m_frames;
    StoredPlace m_stored;
    bool m_placed = false;
    std::optional<QPoint> m_pulledTo; // where an unreachable stored corner was pulled to
};

} // namespace ui
