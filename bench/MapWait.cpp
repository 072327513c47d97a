// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Start-up timer: starts a program and reports how long it took until its first top-level window
// was mapped, then asks the program to end (SIGTERM) and waits for it.
// Usage: orlo_mapwait [--rss-after MS] TIMEOUT_MS PROGRAM [ARGS...]; prints "PID MILLISECONDS", and
// with --rss-after the program's resident memory in kB that long after the map ("PID MS KB").
//
// The map is seen as it happens: the timer watches the root window's children (there is no
// window manager under the bare X server the benchmark uses) and the clock starts just before
// the program's process is created, so nothing is polled.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Free
{
    void operator()(void *p) const { std::free(p); }
};

// Waits up to `timeout` for the end of `pid`; SIGKILL afterwards.
void endProgram(pid_t pid, std::chrono::milliseconds timeout)
{
    ::kill(pid, SIGTERM);
    const auto deadline = Clock::now() + timeout;
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return;
        }
        ::usleep(10000);
    }
}

// Waits for a MapNotify of a top-level, not override-redirect window; false on timeout.
bool waitForMap(xcb_connection_t *x, Clock::time_point deadline)
{
    pollfd fd { xcb_get_file_descriptor(x), POLLIN, 0 };
    for (;;) {
        while (std::unique_ptr<xcb_generic_event_t, Free> event { xcb_poll_for_event(x) }) {
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event.get());
            if (!map->override_redirect)
                return true;
        }
        if (xcb_connection_has_error(x))
            return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        if (::poll(&fd, 1, static_cast<int>(left.count())) < 0 && errno != EINTR)
            return false;
    }
}

// VmRSS of a process, in kB; -1 when it cannot be read.
long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    long rssAfterMs = -1;
    if (argc >= 3 && std::strcmp(argv[1], "--rss-after") == 0) {
        rssAfterMs = std::atol(argv[2]);
        argc -= 2;
        argv += 2;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: orlo_mapwait [--rss-after MS] TIMEOUT_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::chrono::milliseconds timeout(std::atoi(argv[1]));
    int screenNumber = 0;
    xcb_connection_t *x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "cannot connect to the X server\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server watches the root window before the program exists.
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid < 0) {
        std::perror("fork");
        return 2;
    }
    if (pid == 0) {
        ::execv(argv[2], argv + 2);
        std::perror(argv[2]);
        ::_exit(127);
    }
    const bool mapped = waitForMap(x, start + timeout);
    const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start);
    long rss = -1;
    if (mapped && rssAfterMs >= 0) {
        ::usleep(static_cast<useconds_t>(rssAfterMs) * 1000);
        rss = residentKb(pid);
    }
    endProgram(pid, std::chrono::milliseconds(5000));
    xcb_disconnect(x);
    if (!mapped) {
        std::fprintf(
            stderr, "no window was mapped within %lld ms\n", static_cast<long long>(timeout.count()));
        return 1;
    }
    if (rssAfterMs >= 0)
        std::printf("%d %.1f %ld\n", static_cast<int>(pid), elapsed.count(), rss);
    else
        std::printf("%d %.1f\n", static_cast<int>(pid), elapsed.count());
    return 0;
}
