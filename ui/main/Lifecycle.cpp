// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "Lifecycle.h"

namespace ui {

void Lifecycle::started()
{
    if (m_phase == Phase::Starting)
        m_phase = Phase::Running;
}

bool Lifecycle::request(int reason)
{
    if (ending())
        return false;
    m_pending = reason;
    return true;
}

int Lifecycle::takeReason(bool spontaneous)
{
    const int reason = m_pending.value_or(spontaneous ? kCloseBox : kCloseByProgram);
    m_pending.reset();
    return reason;
}

bool Lifecycle::begin(int reason)
{
    if (ending() || reason < kCloseBox || reason > kCloseByTerminate)
        return false;
    m_phase = Phase::Ending;
    return true;
}

} // namespace ui
