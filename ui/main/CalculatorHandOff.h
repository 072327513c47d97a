// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The Calculator command's hand-off: a new calculator on every use, the value poked into that one,
// never into an older one still open.
#pragma once

#include "platform/Platform.h"

#include <QString>

#include <chrono>

namespace ui {

// How long the Calculator command waits for the calculator it started to answer.
inline constexpr std::chrono::milliseconds kCalculatorAnswer { 3000 };

class CalculatorHandOff
{
public:
    explicit CalculatorHandOff(const platform::Platform &platform)
        : m_platform(platform)
    { }

    // Waiting lets events run, which could bring the command back before it has finished.
    bool busy() const { return m_busy; }
    // Starts `program` and gives it `value`; false when no calculator took it.
    bool send(const QString &program, const QString &value);

private:
    platform::Platform m_platform;
    bool m_busy = false;
};

} // namespace ui
