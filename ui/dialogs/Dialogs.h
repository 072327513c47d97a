// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// What the secondary windows share with the main window, and the main window's way to open them.
#pragma once

#include "OnTop.h"
#include "core/mOrlo.h"
#include "platform/Platform.h"
#include "store/Store.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>

class QWidget;

namespace ui {

struct DialogContext
{
    platform::Platform &platform;
    store::Settings &settings; // pnShowTop, pnFormFlag, pnFrmConstLeft/Top
    core::Catalogue &catalogue; // the editor rebuilds the custom groups
    core::UserTables &user; // the custom quantity tables
    OnTop &onTop;
    std::filesystem::path dataDir; // where ORLOPREF.CFG and ORL_USER.DAT live
    QString helpFile; // full path of Orlohelp.hlp
    std::int16_t Tppx = 15;
    std::int16_t Tppy = 15;
    // After the editor's OK: refresh the Custom Quantities menu and make the next group command refill the
    // lists.
    std::function<void()> customGroupsChanged;
    // A failed save: the main window parks itself, shows "Failed to save file as '<name>'." and comes back.
    std::function<void(const QString &fileName)> reportSaveFailure;
};

class frmConstants;
class frmEquiv;
class frmUser;
class frmInfo;

// Creates each secondary window on first use and reuses it.
class Dialogs
{
public:
    explicit Dialogs(DialogContext ctx);
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
    DialogContext m_ctx;
    std::unique_ptr<frmConstants> m_constants;
    std::unique_ptr<frmEquiv> m_equiv;
    std::unique_ptr<frmUser> m_user;
    std::unique_ptr<frmInfo> m_info;
};

} // namespace ui
