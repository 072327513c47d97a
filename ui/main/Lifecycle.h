// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Where the main window is between start-up and its end, and why it is asked to close.
#pragma once

#include <optional>

namespace ui {

// Why the window is asked to close. Any larger value is a reason that saves nothing.
inline constexpr int kCloseBox = 0;
inline constexpr int kCloseByProgram = 1; // the Exit commands
inline constexpr int kCloseBySession = 2; // the user logs out or the system shuts down
inline constexpr int kCloseByTerminate = 3; // a task manager's termination request

class Lifecycle
{
public:
    enum class Phase {
        Starting, // Form_Load has not shown the window yet
        Running,
        Ending, // the closing work has run: saved, the program is ending
        Closed, // the window has closed
    };

    Phase phase() const { return m_phase; }
    bool running() const { return m_phase == Phase::Running; }
    bool ending() const { return m_phase >= Phase::Ending; }

    // The start-up has shown the window (unless it is already ending).
    void started();
    // A request to close for `reason`; false when the window is already ending or closed.
    bool request(int reason);
    // The reason of the close now under way: the one requested, else the close box for a close the
    // program did not ask for.
    int takeReason(bool spontaneous);
    // The closing work begins for `reason`; false when it has begun already or the reason saves nothing.
    bool begin(int reason);
    void closed() { m_phase = Phase::Closed; }

private:
    Phase m_phase = Phase::Starting;
    std::optional<int> m_pending;
};

} // namespace ui
