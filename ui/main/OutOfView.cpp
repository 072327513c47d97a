// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "OutOfView.h"

#include <QWidget>

namespace ui {

OutOfView::OutOfView(
    QWidget *window, const platform::Platform &platform, OnTop &onTop, std::function<bool()> ending)
    : m_window(window)
    , m_platform(platform)
    , m_onTop(onTop)
    , m_ending(std::move(ending))
{
    m_trayWatch.setInterval(1000);
    QObject::connect(&m_trayWatch, &QTimer::timeout, window, [this] { watchTray(); });
}

void OutOfView::putOutOfView()
{
    if (m_platform.tray.isAvailable()) {
        m_window->hide();
        m_trayWatch.start();
        return;
    }
    // With no notification area a hidden window would be lost for good: keep its task-bar entry and
    // iconify it instead.
    m_platform.order.setTaskbarEntry(m_window, true);
    m_iconified = true;
    m_window->showMinimized();
}

// Hidden in the notification icon: should the notification area go away (a panel closed or
// restarted, another desktop session), the window comes back, or nothing would lead to it.
void OutOfView::watchTray()
{
    if (m_window->isVisible() || m_ending()) {
        m_trayWatch.stop();
        return;
    }
    if (m_platform.tray.isAvailable())
        return;
    m_trayWatch.stop();
    m_platform.order.setTaskbarEntry(m_window, true);
    m_onTop.showFromTray();
}

void OutOfView::stateChanged()
{
    if (!m_iconified || m_window->isMinimized())
        return;
    m_iconified = false;
    // After the state change is through: handing on-top over may re-create the window.
    QTimer::singleShot(0, m_window, [this] {
        if (!m_ending())
            m_onTop.showFromTray();
    });
}

} // namespace ui
