// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The main window out of view and back: hidden in the notification icon, or iconified with its
// task-bar entry where the desktop has no notification area, so it can always be reached again.
#pragma once

#include "platform/Platform.h"
#include "ui/common/OnTop.h"

#include <QTimer>

#include <functional>

class QWidget;

namespace ui {

class OutOfView
{
public:
    // `ending` tells when the program is ending and nothing is to come back.
    OutOfView(
        QWidget *window, const platform::Platform &platform, OnTop &onTop, std::function<bool()> ending);

    void putOutOfView();
    // The window's state changed: back from the task bar after an iconifying, the reference windows
    // return as from the icon.
    void stateChanged();

private:
    void watchTray();

    QWidget *m_window;
    platform::Platform m_platform;
    OnTop &m_onTop;
    std::function<bool()> m_ending;
    QTimer m_trayWatch; // while hidden in the icon: is the notification area still there?
    bool m_iconified = false;
};

} // namespace ui
