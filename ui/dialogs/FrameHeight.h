// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The height a window needs beyond its client area.
#pragma once

#include <QMainWindow>
#include <QWidget>

#include <cstdint>

namespace ui {

// Qt sizes a window by the widget itself: the title bar and borders belong to the window manager and
// lie outside it, so only a menu bar inside the widget counts.
inline std::int16_t FrameHeight(const QWidget *window)
{
    const auto *main = qobject_cast<const QMainWindow *>(window);
    if (main && main->menuWidget())
        return static_cast<std::int16_t>(main->menuWidget()->sizeHint().height());
    return 0;
}

} // namespace ui
