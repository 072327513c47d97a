// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The calculator conversation and the one-running-converter check, both over the session bus.
#pragma once

#include "platform/Platform.h"

#include <memory>

class QObject;

namespace platform::qt {

class QtCalculatorLink : public CalculatorLink
{
public:
    // A poke the calculator does not answer within this time has failed.
    static constexpr std::chrono::milliseconds kPokeTimeout { 1000 };

    ~QtCalculatorLink() override = default;

    // Waits until the calculator's bus name belongs to process `pid` itself: a freshly started
    // calculator needs a moment to claim it, and an older one may still hold it meanwhile.
    bool open(std::int64_t pid, std::chrono::milliseconds timeout) override;
    bool poke(const QString &item, const QString &text) override;
    void close() override;

private:
    QString m_peer; // the unique bus name of the calculator while the conversation is open
};

class QtSingleInstance : public SingleInstance
{
public:
    static constexpr std::chrono::milliseconds kActivateTimeout { 1000 };

    QtSingleInstance();
    ~QtSingleInstance() override;

    bool activateRunning() override;
    // The same, but only when the converter on the bus is process `pid` (the one holding the data
    // folder): a converter of another folder on the same bus is not the one this start would be.
    bool activateRunning(std::int64_t pid);
    void listen(std::function<void()> onActivate) override;

private:
    bool activate(std::optional<std::int64_t> pid);

    std::unique_ptr<QObject> m_target;
};

} // namespace platform::qt
