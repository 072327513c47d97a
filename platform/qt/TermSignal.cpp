// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "platform/qt/TermSignal.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform::qt {

namespace {

int g_pipe[2] = { -1, -1 };

// Only write(2) here: it is async-signal-safe, and errno is kept for the interrupted code.
void onSigterm(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

bool TermSignal::install()
{
    if (g_pipe[0] < 0) {
        if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return false;
    }
    struct sigaction sa
    {
    };
    sa.sa_handler = onSigterm;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    if (::sigaction(SIGTERM, &sa, nullptr) != 0)
        return false;
    delete m_notifier;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TermSignal::drain);
    return true;
}

TermSignal::~TermSignal()
{
    struct sigaction sa
    {
    };
    sa.sa_handler = SIG_DFL;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGTERM, &sa, nullptr);
}

void TermSignal::drain()
{
    char buffer[64];
    while (::read(g_pipe[0], buffer, sizeof buffer) > 0) { }
    emit terminateRequested();
}

} // namespace platform::qt
