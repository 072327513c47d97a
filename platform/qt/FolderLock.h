// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// One converter per data folder, with or without a session bus: a lock file in the folder.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QLockFile;

namespace platform::qt {

class FolderLock
{
public:
    enum class Result {
        Acquired, // this converter keeps its files in the folder
        HeldByAnother, // a running converter does; holder() tells which process
        Unavailable, // no folder, or one the user cannot write: there is nothing to guard either
    };

    // The lock file's name in the data folder.
    static constexpr const char *kFileName = "ORLO.LCK";

    explicit FolderLock(const QString &dataDir);
    ~FolderLock(); // releases the lock and removes the file
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Takes the lock without waiting; a lock left by a process that no longer runs is taken over.
    Result acquire();
    std::int64_t holder() const { return m_holder; }

private:
    std::unique_ptr<QLockFile> m_lock;
    std::int64_t m_holder = 0;
};

} // namespace platform::qt
