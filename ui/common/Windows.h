// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Where the windows stand and how they are framed: frame corners, reachable positions, centring.
#pragma once

#include <QFont>
#include <QList>

#include <cstdint>
#include <functional>

class QPoint;
class QRect;
class QSize;
class QWidget;

namespace ui {

// The windows' own font: the desktop's sans-serif at 8.25 pt, regular.
QFont DialogFont();

// Puts a window's outer frame corner (title bar and borders included) at `corner`, as the stored
// positions mean it. A window whose native window exists but was never framed would take a plain
// move for the inside corner; the native window is told the frame position instead.
void MoveFrameTo(QWidget *window, const QPoint &corner);

// Where a window with an outer frame of `frame` may stand so the user can reach it: `corner` itself
// when at least a grip of its title bar (the top strip of the frame) lies in one of `areas` (the
// screens' available areas, the primary first); otherwise the nearest place inside the area closest
// to it. A stored position from an unplugged screen or a changed resolution comes back so.
QPoint ReachableCorner(const QPoint &corner, const QSize &frame, const QList<QRect> &areas);
// The same against the screens the desktop has now.
QPoint ReachableCorner(const QPoint &corner, const QSize &frame);

// The window's outer frame on the screen, as the window manager frames it.
QRect FrameRect(const QWidget *window);

// Whether positions can be known and kept here: native Wayland neither tells a window where it is nor
// lets it choose, so positions read there must not overwrite the stored ones.
bool PositionsKnown();

// Runs `action` on a shown window once the window manager has framed it (on X11, once its frame
// extents are known; for half a second at most), at once where that is already so or cannot be known.
void WhenFramed(QWidget *window, const std::function<void(QWidget *)> &action);

// Moves a window, frame included, to the middle of the primary screen.
void CentreOnScreen(QWidget *window);

// Centres a window when it loads and once more when it shows: a window shown for the first time
// only then learns the size of its frame.
class CentreOnShow
{
public:
    void load(QWidget *window);
    void shown(QWidget *window);

private:
    bool m_pending = false;
};

// The height a window needs beyond its client area. Qt sizes a window by the widget itself: the title
// bar and borders belong to the window manager and lie outside it, so only a menu bar inside counts.
std::int16_t FrameHeight(const QWidget *window);

} // namespace ui
