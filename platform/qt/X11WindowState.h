// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Window states that Qt has no call for, asked of an X11 window manager the way the EWMH says: the
// task bar and pager entries (_NET_WM_STATE_SKIP_TASKBAR, _NET_WM_STATE_SKIP_PAGER). Without X11
// (Wayland, offscreen) nothing happens and false is returned.
#pragma once

#include "platform/Platform.h"

#include <QRect>

#include <optional>

class QWidget;

namespace platform::qt {

// Keeps `window` out of the task bar and pager (skip true) or in them, now and each time it is
// shown again (a window manager forgets the state of a window it no longer shows).
bool SetSkipTaskbar(QWidget *window, bool skip);

// Whether the window manager has the window out of the task bar: for tests and checks.
bool SkipsTaskbar(const QWidget *window);

// A framed window's outer frame on the screen, in logical pixels, from the X server and the window
// manager's own word on the frame (_NET_FRAME_EXTENTS); nullopt without X11 or before the window
// manager has framed it. Qt's reckoning of its place is off under some window managers (icewm: by
// the border width, from the synthetic configure events it gets).
std::optional<QRect> FrameRect(const QWidget *window);
// Where the window's inside starts on the screen, in logical pixels, from the X server.
std::optional<QPoint> ClientOrigin(const QWidget *window);

// The frames as an X11 window manager has them.
class QtFrames : public Frames
{
public:
    bool askable() const override;
    std::optional<QRect> frameRect(const QWidget *window) const override { return FrameRect(window); }
    std::optional<QPoint> clientOrigin(const QWidget *window) const override { return ClientOrigin(window); }
};

// Makes Qt ask the X server where the program's top-level windows are whenever they move, instead of
// taking the position a window manager's synthetic configure event states (icewm's is off by its
// border width, and menus, tool tips and accessibility extents follow Qt's idea of the place).
// Once, after the application is made; without X11 nothing happens.
void KeepWindowPositionsTrue();

} // namespace platform::qt
