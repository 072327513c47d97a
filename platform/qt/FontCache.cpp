// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "platform/qt/FontCache.h"

#include <QFontDatabase>
#include <QStringList>

#include <dlfcn.h>

namespace platform::qt {

namespace {

using FcInitFunction = int (*)();

// Looked up among the libraries already loaded (Qt's GUI library brings fontconfig on Linux), so the
// program takes on no link of its own and a toolkit without fontconfig costs nothing.
FcInitFunction fontconfigInit()
{
    return reinterpret_cast<FcInitFunction>(dlsym(RTLD_DEFAULT, "FcInit"));
}

} // namespace

FontCacheWarmUp::FontCacheWarmUp()
{
    if (const FcInitFunction init = fontconfigInit())
        m_read = std::thread([init] { init(); });
}

FontCacheWarmUp::~FontCacheWarmUp()
{
    wait();
}

void FontCacheWarmUp::applicationReady()
{
    if (m_fill.joinable())
        return;
    m_fill = std::thread([this] {
        // After fontconfig's reading, or Qt would start the same reading beside it.
        if (m_read.joinable())
            m_read.join();
        QFontDatabase::families();
    });
}

void FontCacheWarmUp::wait()
{
    if (m_fill.joinable())
        m_fill.join();
    if (m_read.joinable())
        m_read.join();
}

} // namespace platform::qt
