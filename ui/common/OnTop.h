// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The one rule by which always-on-top passes between the main window and the secondary windows.
#pragma once

#include "platform/Platform.h"

#include <cstdint>

class QWidget;

namespace ui {

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

enum class Secondary { Constants, Equiv, User, Info };

class OnTop
{
public:
    // `pnShowTop` is the live setting (1 on, 0 off); it is read at every hand-over.
    OnTop(platform::WindowOrder &order, const std::int16_t &pnShowTop);

    void setMainWindow(QWidget *w) { m_main = w; }
    QWidget *mainWindow() const { return m_main; }

    // The main window opens a secondary window: it gives up on-top first.
    void mainOpensSecondary();
    // A secondary window loads: it takes on-top and sets its open flag.
    void loaded(Secondary which, QWidget *w);
    // A secondary window closes: clear its flag, take it off top, hand on-top back.
    void closed(Secondary which);
    // The main window closes.
    void mainCloses();

    // Minimise: hide the open reference windows (they stay loaded, flags set).
    void hideReferenceWindows();
    // The notification icon's left press: main window to the front, then the open reference windows.
    void showFromTray();

    bool isOpen(Secondary which) const { return flag(which) == kTrue; }
    std::int16_t flag(Secondary which) const;
    QWidget *window(Secondary which) const;

    // Open flags, -1 while the window is loaded.
    std::int16_t pnFrmConstOpen = kFalse;
    std::int16_t pnFrmEquivOpen = kFalse;
    std::int16_t pnFrmUserOpen = kFalse;
    std::int16_t pnFrmInfoOpen = kFalse;

private:
    void handToReference(Secondary which);
    std::int16_t &flagRef(Secondary which);
    template <typename Self> static auto &flagOf(Self &self, Secondary which);

    platform::WindowOrder &m_order;
    const std::int16_t &m_showTop;
    QWidget *m_main = nullptr;
    QWidget *m_constants = nullptr;
    QWidget *m_equiv = nullptr;
    QWidget *m_user = nullptr;
    QWidget *m_info = nullptr;
};

} // namespace ui
