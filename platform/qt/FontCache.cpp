// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "platform/qt/FontCache.h"

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
        m_thread = std::thread([init] { init(); });
}

FontCacheWarmUp::~FontCacheWarmUp()
{
    wait();
}

void FontCacheWarmUp::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace platform::qt
