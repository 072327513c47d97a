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

void Dialogs::showConstants()
{
    if (!m_constants)
        m_constants = std::make_unique<frmConstants>(m_ctx);
    m_constants->open();
}

void Dialogs::showEquiv()
{
    if (!m_equiv)
        m_equiv = std::make_unique<frmEquiv>(m_ctx);
    m_equiv->open();
}

void Dialogs::showUser()
{
    if (!m_user)
        m_user = std::make_unique<frmUser>(m_ctx);
    m_user->open();
}

void Dialogs::showAbout()
{
    if (!m_info)
        m_info = std::make_unique<frmInfo>(m_ctx);
    m_info->open();
}

void Dialogs::captureConstantsPosition()
{
    if (m_constants && m_ctx.onTop.isOpen(Secondary::Constants))
        m_constants->capturePosition();
}

} // namespace ui
