// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "CalculatorHandOff.h"

namespace ui {

namespace {

// The calculator's text box, as the hand-off protocol names it.
const QString kCalculatorItem = QStringLiteral("txtInput");

} // namespace

bool CalculatorHandOff::send(const QString &program, const QString &value)
{
    m_busy = true;
    bool sent = false;
    if (const std::optional<std::int64_t> pid = m_platform.process.startDetached(program)) {
        m_platform.process.processEvents();
        if (m_platform.calculator.open(*pid, kCalculatorAnswer)) {
            sent = m_platform.calculator.poke(kCalculatorItem, value);
            m_platform.calculator.close();
        }
    }
    m_busy = false;
    return sent;
}

} // namespace ui
