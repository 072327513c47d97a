// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "Store.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace store {

fs::path UserConfigDir()
{
    // The same place Qt's AppConfigLocation names for an application called "Orlo" without an
    // organisation: $XDG_CONFIG_HOME/Orlo, or ~/.config/Orlo.
    const char *xdg = std::getenv("XDG_CONFIG_HOME");
    fs::path base;
    if (xdg && *xdg == '/')
        base = xdg;
    else if (const char *home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".config";
    else
        base = "/tmp";
    return base / "Orlo" / "";
}

fs::path ChooseDataDir(const fs::path &programDir, bool programDirWritable, const fs::path &userConfigDir)
{
    return programDirWritable ? programDir : userConfigDir;
}

fs::path DataDir(const fs::path &programDir)
{
    const bool writable = ::access(programDir.c_str(), W_OK) == 0;
    fs::path dir = ChooseDataDir(programDir, writable, UserConfigDir());
    if (!writable) {
        std::error_code ec; // a folder that cannot be made shows up later as the files' own failures
        fs::create_directories(dir, ec);
    }
    return dir;
}

} // namespace store
