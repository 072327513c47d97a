// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "Internal.h"
#include "Store.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
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

void SeedUserFolder(const fs::path &programDir, const fs::path &userDir)
{
    for (const std::string_view name : { kCfgFileName, kDatFileName }) {
        // The largest file either reader ever looks at: the custom quantity file's 220 records.
        const auto source = detail::ReadPrefix(programDir / name, 64u << 20);
        if (!source || !source->whole)
            continue;
        // O_EXCL: a file the user has, or a link in its place, is never replaced or followed.
        const int fd =
            ::open((userDir / name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0)
            continue;
        std::string_view bytes = source->bytes;
        bool ok = true;
        while (ok && !bytes.empty()) {
            const ssize_t n = ::write(fd, bytes.data(), bytes.size());
            ok = n > 0 || (n < 0 && errno == EINTR);
            if (n > 0)
                bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        ok = ::close(fd) == 0 && ok;
        if (!ok) // half a copy would pass for the user's own file
            ::unlink((userDir / name).c_str());
    }
}

fs::path DataDir(const fs::path &programDir)
{
    const bool writable = ::access(programDir.c_str(), W_OK) == 0;
    fs::path dir = ChooseDataDir(programDir, writable, UserConfigDir());
    if (!writable && !dir.empty()) {
        std::error_code ec; // a folder that cannot be made shows up later as the files' own failures
        fs::create_directories(dir, ec);
        SeedUserFolder(programDir, dir);
    }
    return dir;
}

} // namespace store
