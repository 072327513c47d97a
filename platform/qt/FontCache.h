// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Reads the fonts on a second thread while the toolkit starts and the window's files are read.
#pragma once

#include <thread>

namespace platform::qt {

// The first text a window measures makes fontconfig read its configuration and font caches and Qt
// fill its font database: about a third of a start's work, all of it before the window can show.
// This object does it on a second thread instead: fontconfig's reading as soon as it is made (before
// the QApplication, while that connects to the display), Qt's database once the application is up.
// Both are safe from any thread: fontconfig's first initialisation is atomic, and every function of
// QFontDatabase is thread-safe. Without fontconfig in the process the first step does nothing.
class FontCacheWarmUp
{
public:
    FontCacheWarmUp();
    ~FontCacheWarmUp();
    FontCacheWarmUp(const FontCacheWarmUp &) = delete;
    FontCacheWarmUp &operator=(const FontCacheWarmUp &) = delete;

    // The QGuiApplication exists: fill its font database next.
    void applicationReady();
    // Waits for both steps; call before the first text is measured, so that the window's thread
    // does not start the same work a second time.
    void wait();

private:
    std::thread m_read; // fontconfig's configuration and caches
    std::thread m_fill; // Qt's font database; joins m_read first
};

} // namespace platform::qt
