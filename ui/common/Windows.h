// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Where the windows stand and how they are framed: frame corners, reachable positions, centring.
#pragma once

#include "platform/Platform.h"
#include "state/ProgramState.h"

#include <QFont>
#include <QList>
#include <QPoint>

#include <cstdint>
#include <functional>

class QRect;
class QSize;
class QWidget;

namespace ui {

// The windows' own font: the desktop's sans-serif at 8.25 pt, regular.
QFont DialogFont();

// Puts a window's outer frame corner (title bar and borders included) at `corner`, as the stored
// positions mean it. A window whose native window exists but was never framed would take a plain
// move for the inside corner; the native window is told the frame position instead.
void MoveFrameTo(const platform::Frames &frames, QWidget *window, const QPoint &corner);

// Where a window with an outer frame of `frame` may stand so the user can reach it: `corner` itself
// when at least a grip of its title bar (the top strip of the frame) lies in one of `areas` (the
// screens' available areas, the primary first); otherwise the nearest place inside the area closest
// to it. A stored position from an unplugged screen or a changed resolution comes back so.
QPoint ReachableCorner(const QPoint &corner, const QSize &frame, const QList<QRect> &areas);
// The same against the screens the desktop has now.
QPoint ReachableCorner(const QPoint &corner, const QSize &frame);

// The window's outer frame on the screen, as the window manager frames it.
QRect FrameRect(const platform::Frames &frames, const QWidget *window);

// Whether positions can be known and kept here: native Wayland neither tells a window where it is nor
// lets it choose, so positions read there must not overwrite the stored ones.
bool PositionsKnown();

// Runs `action` on a shown window once the window manager has framed it (on X11, once its frame
// extents are known; for half a second at most), at once where that is already so or cannot be known.
void WhenFramed(
    const platform::Frames &frames, QWidget *window, const std::function<void(QWidget *)> &action);

// Runs `action` once a window has painted for the first time and that paint has gone to the screen,
// or after a second should it not paint (shown out of view, say): what the window need not wait for.
void AfterFirstPaint(QWidget *window, std::function<void()> action);

// Moves a window, frame included, to the middle of the primary screen.
void CentreOnScreen(const platform::Frames &frames, QWidget *window);

// Centres a window when it loads and once more when it shows: a window shown for the first time
// only then learns the size of its frame.
class CentreOnShow
{
public:
    explicit CentreOnShow(const platform::Frames &frames)
        : m_frames(frames)
    { }
    void load(QWidget *window);
    void shown(QWidget *window);

private:
    const platform::Frames &m_frames;
    bool m_pending = false;
};

// A window's place as the settings keep it: the corner of its frame, in twips.
class StoredPlace
{
public:
    StoredPlace(state::ProgramState &state, const platform::Frames &frames, state::Placed which)
        : m_state(state)
        , m_frames(frames)
        , m_which(which)
    { }

    // The stored corner in pixels.
    QPoint corner() const;
    // Puts the window's frame at the stored corner.
    void restore(QWidget *window) const { MoveFrameTo(m_frames, window, corner()); }
    // Where the window's frame stands now.
    QPoint frameCorner(const QWidget *window) const { return FrameRect(m_frames, window).topLeft(); }
    // A corner in pixels into the settings.
    void store(const QPoint &corner);
    // The window's frame corner into the settings; where positions cannot be known the stored one
    // stays.
    void capture(const QWidget *window);

private:
    state::ProgramState &m_state;
    const platform::Frames &m_frames;
    state::Placed m_which;
};

// The height a window needs beyond its client area. Qt sizes a window by the widget itself: the title
// bar and borders belong to the window manager and lie outside it, so only a menu bar inside counts.
std::int16_t FrameHeight(const QWidget *window);

} // namespace ui
