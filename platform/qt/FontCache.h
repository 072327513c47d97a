// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// Reads the font configuration on a second thread while the toolkit connects to the display.
#pragma once

#include <thread>

namespace platform::qt {

// Fontconfig reads its configuration files and font caches the first time anything asks for a font:
// about a quarter of a start's work, done by Qt only when the window first measures text, after the
// display connection is up. Made before the QApplication, this object does that reading on its own
// thread meanwhile; fontconfig's first initialisation is safe from any thread (a second caller waits
// for nothing and, at worst, repeats the work). Without fontconfig in the process it does nothing.
class FontCacheWarmUp
{
public:
    FontCacheWarmUp();
    ~FontCacheWarmUp();
    FontCacheWarmUp(const FontCacheWarmUp &) = delete;
    FontCacheWarmUp &operator=(const FontCacheWarmUp &) = delete;

    // Waits for the reading to end; call before the first text is measured, so that the toolkit
    // does not start the same reading a second time.
    void wait();

private:
    std::thread m_thread;
};

} // namespace platform::qt
