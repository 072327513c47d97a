// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "Dialogs.h"

#include "frmConstants.h"
#include "frmEquiv.h"
#include "frmInfo.h"
#include "frmUser.h"

namespace ui {

Dialogs::Dialogs(WindowContext ctx)
    : m_ctx(std::move(ctx))
{ }

Dialogs::~Dialogs() = default;

namespace {

// Made on first use and kept, so an open window is the same one when asked for again.
template <class Window> void Open(std::unique_ptr<Window> &window, WindowContext &ctx)
{
    if (!window)
        window = std::make_unique<Window>(ctx);
    window->present();
}

} // namespace

void Dialogs::showConstants()
{
    Open(m_constants, m_ctx);
}

void Dialogs::showEquiv()
{
    Open(m_equiv, m_ctx);
}

void Dialogs::showUser()
{
    Open(m_user, m_ctx);
}

void Dialogs::showAbout()
{
    Open(m_info, m_ctx);
}

void Dialogs::captureConstantsPosition()
{
    if (m_constants && m_ctx.onTop.isOpen(Secondary::Constants))
        m_constants->capturePosition();
}

} // namespace ui
