// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Window states that Qt has no call for, asked of an X11 window manager the way the EWMH says: the
// task bar and pager entries (_NET_WM_STATE_SKIP_TASKBAR, _NET_WM_STATE_SKIP_PAGER). Without X11
// (Wayland, offscreen) nothing happens and false is returned.
#pragma once

class QWidget;

namespace platform::qt {

// Keeps `window` out of the task bar and pager (skip true) or in them, now and each time it is
// shown again (a window manager forgets the state of a window it no longer shows).
bool SetSkipTaskbar(QWidget *window, bool skip);

// Whether the window manager has the window out of the task bar: for tests and checks.
bool SkipsTaskbar(const QWidget *window);

} // namespace platform::qt
