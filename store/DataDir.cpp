// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "Store.h"

#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace store {
namespace {

// $HOME, or the password database's home folder when HOME is unset (a service, cron, env -i).
fs::path HomeDir()
{
    if (const char *home = std::getenv("HOME"); home && *home == '/')
        return home;
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd entry = {};
    struct passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return {};
    if (!found->pw_dir || found->pw_dir[0] != '/')
        return {};
    return found->pw_dir;
}

} // namespace

fs::path UserConfigDir()
{
    // The same place Qt's AppConfigLocation names for an application called "Orlo" without an
    // organisation: $XDG_CONFIG_HOME/Orlo, or ~/.config/Orlo.
    const char *xdg = std::getenv("XDG_CONFIG_HOME");
    fs::path base;
    if (xdg && *xdg == '/')
        base = xdg;
    else if (const fs::path home = HomeDir(); !home.empty())
        base = home / ".config";
    else
        return {};
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
    if (!writable && !dir.empty()) {
        std::error_code ec; // a folder that cannot be made shows up later as the files' own failures
        fs::create_directories(dir, ec);
    }
    return dir;
}

} // namespace store
