// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "Dialogs.h"

#include "frmConstants.h"
#include "frmEquiv.h"
#include "frmInfo.h"
#include "frmUser.h"

namespace ui {

namespace {

void BringForward(QWidget *w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

Dialogs::Dialogs(WindowContext ctx)
    : m_ctx(std::move(ctx))
{ }

Dialogs::~Dialogs() = default;

void Dialogs::showConstants()
{
    m_ctx.onTop.mainOpensSecondary();
    if (!m_constants)
        m_constants = std::make_unique<frmConstants>(m_ctx);
    if (!m_ctx.onTop.isOpen(Secondary::Constants))
        m_constants->Form_Load();
    BringForward(m_constants.get());
}

void Dialogs::showEquiv()
{
    m_ctx.onTop.mainOpensSecondary();
    if (!m_equiv)
        m_equiv = std::make_unique<frmEquiv>(m_ctx);
    if (!m_ctx.onTop.isOpen(Secondary::Equiv))
        m_equiv->Form_Load();
    BringForward(m_equiv.get());
}

void Dialogs::showUser()
{
    m_ctx.onTop.mainOpensSecondary();
    if (!m_user)
        m_user = std::make_unique<frmUser>(m_ctx);
    m_user->Form_Load();
    m_user->exec();
}

void Dialogs::showAbout()
{
    m_ctx.onTop.mainOpensSecondary();
    if (!m_info)
        m_info = std::make_unique<frmInfo>(m_ctx);
    m_info->Form_Load();
    m_info->exec();
}

void Dialogs::captureConstantsPosition()
{
    if (m_constants && m_ctx.onTop.isOpen(Secondary::Constants))
        m_constants->capturePosition();
}

} // namespace ui
