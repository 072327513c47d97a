// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "MainPlacement.h"

#include "ui/common/Twips.h"
#include "ui/common/Windows.h"

#include <QGuiApplication>
#include <QRect>
#include <QWidget>

namespace ui {

void MainPlacement::placeAtStoredCorner()
{
    m_stored.restore(m_window);
    m_placed = true;
}

// A start-up message (its owner must exist) or the About box made the native window before it was
// ever framed, and such a window would take the position for its inside, one title bar lower at every
// start. Made anew, unshown, it takes the position as the frame's. A stored corner pulled onto the
// screen stays in the file unless the window is moved.
void MainPlacement::showFramedAtStoredCorner(const std::function<void()> &destroyNative)
{
    const QPoint stored = m_stored.corner();
    // The frame is not known before the first showing; a title bar and thin borders are near enough.
    const QPoint corner = ReachableCorner(stored, m_window->size() + QSize(2, 24));
    m_pulledTo = corner != stored ? std::optional(corner) : std::nullopt;
    if (m_window->testAttribute(Qt::WA_WState_Created) && !m_window->isVisible())
        destroyNative();
    MoveFrameTo(m_frames, m_window, corner);
    m_window->show();
    if (!m_pulledTo)
        return;
    // Pulled in with a guessed frame: once the real one is known, the whole title bar comes inside.
    WhenFramed(m_frames, m_window, [this, stored](QWidget *window) {
        const QRect frame = FrameRect(m_frames, window);
        const QPoint reachable = ReachableCorner(stored, frame.size());
        if (reachable != frame.topLeft()) {
            MoveFrameTo(m_frames, window, reachable);
            m_pulledTo = reachable;
        }
    });
}

void MainPlacement::storePosition()
{
    if (!PositionsKnown())
        return;
    const QPoint corner = m_stored.frameCorner(m_window);
    if (m_pulledTo && corner == *m_pulledTo) // pulled onto the screen and left there: keep the file's
        return;
    m_stored.store(corner);
}

// X11 window managers keep a window that asks to go off the screen partly (openbox) or wholly
// (icewm) on it, so there it is taken out of view.
void MainPlacement::park()
{
    MoveFrameTo(m_frames, m_window, QPoint(ToPixels(-32000.0, m_state.Tppx()), m_window->y()));
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        m_window->hide();
    else
        m_window->show();
}

void MainPlacement::unpark()
{
    m_stored.restore(m_window);
    m_window->show();
}

} // namespace ui
