// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// What the secondary windows share with the main window, and the main window's way to open them.
#pragma once

#include "ui/common/SecondaryWindow.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>

class QWidget;

namespace ui {

class frmConstants;
class frmEquiv;
class frmUser;
class frmInfo;

// Creates each secondary window on first use and reuses it.
class Dialogs
{
public:
    explicit Dialogs(WindowContext ctx);
    ~Dialogs();
    Dialogs(const Dialogs &) = delete;
    Dialogs &operator=(const Dialogs &) = delete;

    void showConstants(); // modeless; brought forward when already open
    void showEquiv(); // modeless; brought forward when already open
    void showUser(); // modal
    void showAbout(); // modal

    // Captures the constants window's position into the settings when it is open (before saving at exit).
    void captureConstantsPosition();

    frmConstants *constants() const { return m_constants.get(); }
    frmEquiv *equiv() const { return m_equiv.get(); }
    frmUser *user() const { return m_user.get(); }
    frmInfo *info() const { return m_info.get(); }

private:
    WindowContext m_ctx;
    std::unique_ptr<frmConstants> m_constants;
    std::unique_ptr<frmEquiv> m_equiv;
    std::unique_ptr<frmUser> m_user;
    std::unique_ptr<frmInfo> m_info;
};

} // namespace ui
