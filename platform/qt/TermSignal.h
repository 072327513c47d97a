// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Turns SIGTERM into a Qt signal on the event loop, so that a termination request closes the
// window as the other endings do.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform::qt {

class TermSignal : public QObject
{
    Q_OBJECT

public:
    // Installs the handler; false when the pipe or the handler could not be set up.
    bool install();
    ~TermSignal() override;

signals:
    void terminateRequested();

private:
    void drain();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace platform::qt
